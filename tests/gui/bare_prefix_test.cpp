// The program on a plain Wine set-up, as a user with their own Wine has it: no OEM font, no
// "Lucida Console". These scenarios run only in an undressed prefix (gui_tests --bare-prefix,
// see scripts/wine-run). There the font mapper answered with a proportional face, and Wine's
// text shaping read out of bounds on a run starting with byte 0x98: the program died.

#include <windows.h>

#include <string>

#include "app/control_ids.h"
#include "app_session.h"
#include "gui_framework.h"

namespace glyphwright::guitest {
namespace {

using namespace ids;

// Bytes nobody drew by hand: lines that start with the byte the shaper tripped over, then a
// NUL (where the preview's text ends) and pseudo-random bytes with a stray CR.
std::string BinaryTemplate() {
    std::string text = "{A}\r\n\x98" "abc\r\n\x98\x98{B}\r\n";
    text += '\0';
    unsigned state = 5;
    for (int i = 0; i < 65536; ++i) {
        state = state * 1103515245u + 12345u;
        text += static_cast<char>(state >> 16);
        if (i == 30000) text += std::string("\r\0\r\n", 4);
    }
    return text;
}

// True when "Terminal" maps to an OEM face here, as in a prefix the project dressed.
bool PrefixHasOemTerminal() {
    HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, OEM_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, "Terminal");
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(font);
    return metrics.tmCharSet == OEM_CHARSET;
}

GUI_SCENARIO(bare_prefix_hostile_bytes_neither_crash_nor_hang) {
    REQUIRE(!PrefixHasOemTerminal());
    InstallSpec layout;
    layout.files = {{"Templates\\binary.nfo", BinaryTemplate()}};
    AppSession app(layout);
    REQUIRE(app.Start());
    // Posted, not sent: Wine swallows a fault inside a sent message's handler and abandons
    // the command, so only the page switch shows that Make NFO ran to its end.
    app.PostCommand(kCmdMakeNfo);
    CHECK_EVENTUALLY_EQ(app.CurrentTab(), static_cast<int>(2));
    CHECK(app.Running());
    CHECK(app.Text(kNfoPreview).find("\x98" "abc\r\n") != std::string::npos);

    const std::string typed = "\x98" "abc";
    for (const int field : {FieldId('A'), FieldId('R')}) {
        FailureContext context("typing into field " + std::to_string(field));
        app.SetText(field, "");
        app.Type(field, typed);
        CHECK(app.Running());
        CHECK_EVENTUALLY_EQ(app.Text(field), typed);
    }
}

}  // namespace
}  // namespace glyphwright::guitest
