// What a person sees in the NFO preview: box drawing from a CP437 template must come out as
// joined lines, which only an OEM font does. A font that reads the bytes as ANSI letters (the
// fallback of a bare Wine prefix) breaks the frame's vertical bar into separate glyphs.

#include <string>

#include "app/control_ids.h"
#include "app_session.h"
#include "gui_framework.h"
#include "screenshot.h"

namespace glyphwright::guitest {
namespace {

using namespace ids;

constexpr int kFrameLines = 24;

// A double-line box, 40 columns wide and kFrameLines lines high, in CP437 bytes.
std::string BoxTemplate() {
    const std::string inside(38, ' ');
    std::string text = "\xC9" + std::string(38, '\xCD') + "\xBB\r\n";
    for (int line = 0; line < kFrameLines - 2; ++line) text += "\xBA" + inside + "\xBA\r\n";
    text += "\xC8" + std::string(38, '\xCD') + "\xBC\r\n";
    return text;
}

GUI_SCENARIO(nfo_preview_draws_box_frames_as_joined_lines) {
    InstallSpec layout;
    layout.files = {{"Templates\\box.nfo", BoxTemplate()}};
    AppSession app(layout);
    REQUIRE(app.Start());
    app.PostCommand(kCmdViewNfo);
    app.Settle();
    HWND preview = app.Get(kNfoPreview);
    CHECK_EVENTUALLY_EQ(IsWindowVisible(preview) != FALSE, true);

    const Picture picture = CaptureWindowPicture(preview);
    REQUIRE(picture.width > 0);
    // The side bars run through every inner line: at least 20 text lines of 8 or more pixels
    // each without a gap. Letters standing in for the bars never join across lines.
    CHECK(LongestDarkVerticalRun(picture) >= 20 * 8);
}

}  // namespace
}  // namespace glyphwright::guitest
