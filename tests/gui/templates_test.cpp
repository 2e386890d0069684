// The template boxes: what is listed from the Templates folder, which entry is current, what
// the previews show raw at start and on a new choice, and the "View" commands.

#include <string>
#include <vector>

#include "app/control_ids.h"
#include "app_session.h"
#include "gui_framework.h"
#include "release_support.h"
#include "template_support.h"

namespace glyphwright::guitest {
namespace {

using namespace ids;
using Strings = std::vector<std::string>;

// Raw views show a template as stored: a lone CR, a lone LF and no break at the end stay so.
const std::string kFirstNfo = "\xC9\xCD\xCD\xBB first {A}\r\n\xBA {R} \xBA\rlone\nLF\r\nend";
const std::string kSecondNfo = "second {B}\r\n";
const std::string kOnlyDiz = "diz {A}\r\n{R}\r\n";

InstallSpec TwoNfoOneDiz() {
    InstallSpec layout;
    layout.files = {
        {"Templates\\A-First.NFO", kFirstNfo},  // the extension matches whatever its case
        {"Templates\\b-second.nfo", kSecondNfo},
        {"Templates\\only.Diz", kOnlyDiz},
        // Not templates: other extensions, ".nfo" inside a longer name, a folder.
        {"Templates\\readme.txt", "not a template"},
        {"Templates\\notes.nfo.txt", "not a template"},
        {"Templates\\old.diz.bak", "not a template"},
        {"Templates\\folder.nfo\\inside.nfo", "not listed either"},
    };
    return layout;
}

GUI_SCENARIO(template_boxes_list_templates_and_show_the_first_raw) {
    AppSession app(TwoNfoOneDiz());
    REQUIRE(app.Start());
    app.Settle();

    CHECK_EVENTUALLY_EQ(app.CurrentTab(), static_cast<int>(0));
    CHECK(app.ListEntries(kNfoTemplateBox) == (Strings{"A-First.NFO", "b-second.nfo"}));
    CHECK(app.ListEntries(kDizTemplateBox) == (Strings{"only.Diz", ""}));
    for (int box : {kNfoTemplateBox, kDizTemplateBox}) {
        FailureContext context("template box " + Describe(box));
        CHECK_EQ(CaretIndex(app, box), 0);
        CHECK(IsSelected(app, box, 0));
        CHECK(!IsSelected(app, box, 1));
    }
    CHECK_EQ(app.Text(kNfoPreview), kFirstNfo);
    CHECK_EQ(app.Text(kDizPreview), kOnlyDiz);

    // A new choice shows the chosen template raw and stays on the page.
    app.ClickTab(1);
    HWND nfoBox = app.Get(kNfoTemplateBox);
    app.PressKey(nfoBox, VK_DOWN);
    CHECK_EQ(CaretIndex(app, kNfoTemplateBox), 1);
    CHECK_EVENTUALLY_EQ(app.Text(kNfoPreview), kSecondNfo);
    CHECK_EVENTUALLY_EQ(app.CurrentTab(), 1);

    // Back up with Shift: both entries selected, the focus mark on the first; only it counts.
    app.PressKey(nfoBox, VK_UP, true);
    CHECK_EQ(CaretIndex(app, kNfoTemplateBox), 0);
    CHECK(IsSelected(app, kNfoTemplateBox, 0) && IsSelected(app, kNfoTemplateBox, 1));
    CHECK_EVENTUALLY_EQ(app.Text(kNfoPreview), kFirstNfo);
    app.PressKey(nfoBox, VK_DOWN, true);
    CHECK_EQ(CaretIndex(app, kNfoTemplateBox), 1);
    CHECK_EVENTUALLY_EQ(app.Text(kNfoPreview), kSecondNfo);

    // "View NFO" after "Make NFO" gives the raw template back.
    app.SetText(FieldId('B'), "Mk");  // short enough to need no blanks beside it
    app.PostCommand(kCmdMakeNfo);
    CHECK_EVENTUALLY_EQ(app.CurrentTab(), 2);
    CHECK_EQ(app.Text(kNfoPreview), std::string("second Mk\r\n"));
    app.PostCommand(kCmdViewNfo);
    CHECK_EVENTUALLY_EQ(app.CurrentTab(), 2);
    CHECK_EQ(app.Text(kNfoPreview), kSecondNfo);

    // A click on the entry that is current already is no new choice: the rendering stays.
    app.PostCommand(kCmdMakeNfo);
    app.ClickTab(1);
    ClickListEntry(app, kNfoTemplateBox, 1);
    CHECK_EQ(app.Text(kNfoPreview), std::string("second Mk\r\n"));

    // The same for the DIZ; its text blocks stay as written.
    app.SetText(FieldId('A'), "Zed");
    app.PostCommand(kCmdMakeDiz);
    CHECK_EVENTUALLY_EQ(app.CurrentTab(), 3);
    CHECK_EQ(app.Text(kDizPreview), std::string("diz Zed\r\n{R}\r\n"));
    app.PostCommand(kCmdViewDiz);
    CHECK_EQ(app.Text(kDizPreview), kOnlyDiz);

    // The empty DIZ entry: choosing it empties the preview; "Make DIZ" and "View DIZ" then only
    // show the page and leave the preview as it is.
    app.ClickTab(1);
    app.PressKey(app.Get(kDizTemplateBox), VK_DOWN);
    CHECK_EQ(CaretIndex(app, kDizTemplateBox), 1);
    CHECK_EVENTUALLY_EQ(app.Text(kDizPreview), std::string());
    const std::string marker = "left alone";
    app.SetText(kDizPreview, marker);
    app.PostCommand(kCmdMakeDiz);
    CHECK_EVENTUALLY_EQ(app.CurrentTab(), 3);
    CHECK_EQ(app.Text(kDizPreview), marker);
    app.ClickTab(0);
    app.PostCommand(kCmdViewDiz);
    CHECK_EVENTUALLY_EQ(app.CurrentTab(), 3);
    CHECK_EQ(app.Text(kDizPreview), marker);
}

GUI_SCENARIO(template_boxes_without_a_templates_folder) {
    AppSession app;
    REQUIRE(app.Start());
    app.Settle();
    CHECK(app.ListEntries(kNfoTemplateBox).empty());
    CHECK(app.ListEntries(kDizTemplateBox) == (Strings{""}));
    CHECK_EQ(CaretIndex(app, kDizTemplateBox), 0);
    CHECK(IsSelected(app, kDizTemplateBox, 0));
    CHECK_EQ(app.Text(kNfoPreview), std::string());
    CHECK_EQ(app.Text(kDizPreview), std::string());

    // Nothing to render: the NFO preview is emptied, the DIZ preview is left alone.
    app.SetText(kNfoPreview, "stale");
    app.SetText(kDizPreview, "stale");
    app.PostCommand(kCmdMakeNfo);
    CHECK_EVENTUALLY_EQ(app.CurrentTab(), 2);
    CHECK_EQ(app.Text(kNfoPreview), std::string());
    app.PostCommand(kCmdMakeDiz);
    CHECK_EVENTUALLY_EQ(app.CurrentTab(), 3);
    CHECK_EQ(app.Text(kDizPreview), std::string("stale"));
    app.SetText(kNfoPreview, "stale");
    app.PostCommand(kCmdViewNfo);
    CHECK_EVENTUALLY_EQ(app.CurrentTab(), 2);
    CHECK_EQ(app.Text(kNfoPreview), std::string());
}

// --- Templates that are no templates ---------------------------------------------------------

// Generous: it only turns a hang into a failure.
constexpr DWORD kHangLimitMs = 60000;

// Box lines whose rendering with an empty form is known: every placeholder becomes blanks.
std::string HugeTemplate(size_t size, std::string& rendered) {
    const std::vector<std::pair<std::string, std::string>> block = {
        {Centred("{A}"), Framed("")},
        {Columns({{2, "Name ...: {A}"}}), Framed("  Name ...:")},
        {Framed("  {R}"), Framed("")},
        {Centred("{U}"), Framed("")},
        {Framed("  keep {a} lower"), Framed("  keep {a} lower")},
        {Rule('\xCC', '\xB9'), Rule('\xCC', '\xB9')},
    };
    std::string bytes;
    while (bytes.size() < size) {
        for (const auto& [line, result] : block) {
            bytes += line + "\r\n";
            rendered += result + "\r\n";
        }
    }
    return bytes;
}

GUI_SCENARIO(template_of_binary_bytes_or_five_megabytes_renders_in_time) {
    const std::string binary = NoiseBytes(64 * 1024, 11, "{");
    std::string hugeRendered;
    const std::string huge = HugeTemplate(5 * 1024 * 1024, hugeRendered);
    InstallSpec layout;
    layout.files = {{"Templates\\binary.nfo", binary}, {"Templates\\huge.nfo", huge}};
    AppSession app(layout);
    REQUIRE(app.Start());
    app.Settle();
    ReportNote("start-up showing a binary template: " + std::to_string(app.StartupMilliseconds()) + " ms");

    // The preview holds text up to the first NUL; rendering cuts lines there.
    CHECK_EQ(app.Text(kNfoPreview), binary.substr(0, binary.find('\0')));
    ReportNote("Make NFO on 64 KB of binary: " + std::to_string(RunCommand(app, kCmdMakeNfo, kHangLimitMs)) + " ms");
    CHECK_EQ(app.Text(kNfoPreview), RenderedWithoutPlaceholders(binary));

    // The focus mark moved from outside raises no choice, so no raw view of 5 MB first: the
    // preview taking that much text is what costs time under Wine, and once is enough here.
    app.Send(app.Get(kNfoTemplateBox), LB_SETCARETINDEX, 1, FALSE);
    CHECK_EQ(CaretIndex(app, kNfoTemplateBox), 1);
    // Until the preview has taken the text, which it does once its page is shown.
    const ULONGLONG started = GetTickCount64();
    RunCommand(app, kCmdMakeNfo, kHangLimitMs);
    app.Settle();
    ReportNote("Make NFO on a 5 MB template: " + std::to_string(GetTickCount64() - started) + " ms");
    CHECK_EVENTUALLY_EQ(app.CurrentTab(), 2);
    CHECK_EQ(TextLength(app, kNfoPreview), hugeRendered.size());
    const std::string shown = app.Text(kNfoPreview);  // the first 64 K characters
    CHECK(!shown.empty() && shown == hugeRendered.substr(0, shown.size()));
    CHECK(app.Running());
}

}  // namespace
}  // namespace glyphwright::guitest
