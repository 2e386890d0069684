// "Make NFO" and "Make DIZ" from a filled form, compared byte for byte with what the templates
// must become; text blocks as the boxes wrap them; templates that vanish or are locked after
// start; and the sample templates rendered for people to look at.

#include <algorithm>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "app_session.h"
#include "gui_framework.h"
#include "screenshot.h"
#include "template_support.h"

namespace glyphwright::guitest {
namespace {

using namespace ids;
using Lines = std::vector<std::string>;

// --- A form filled by typing and by picking ------------------------------------------------

const char kFormConfiguration[] =
    "[TEAM]\r\nXYZ\r\niNKWELL\r\nLATTiCE\r\n\r\n"
    "[MEMBERS]\r\nRazorwire\r\nNightowl\r\nQuillion\r\n\r\n"
    "[RELEASE TYPE]\r\nRetail\r\nKeygen\r\n\r\n"
    "[PROTECTION]\r\nSerial\r\nDongle\r\n\r\n"
    "[OS TYPE]\r\nWindows 11\r\nWindows 10\r\n\r\n"
    "[LANGUAGE]\r\nEnglish\r\nGerman\r\n\r\n"
    "[PROGRAM TYPE]\r\nUtility\r\nGraphics\r\n\r\n"
    "[RELEASE SIZE]\r\n01 x 2.88 MB\r\n02 x 4.77 MB\r\n\r\n"
    "[TEAM INFORMATION]\r\nGreetings=Hello all{#}and friends\r\n\r\n"
    "[INSTALL INFO]\r\nRetail=Run Setup.exe\r\nKeygen=1. Run the keygen.{#}2. Register.\r\n";

// Typed values: centred ones have odd lengths, so the odd blank question does not arise here.
const std::string kName = "Caf\xE9 Tool";  // ANSI; the NFO must hold it in OEM
const std::string kCopyright = "Maker Co 2024";
const std::string kSite = "www.example.org";

// The NFO template of this test: every single-line placeholder, the four text blocks (aligned
// near the border, after a label, centred), a placeholder without room and one in lower case.
Lines FormNfoTemplate() {
    return {
        Rule('\xC9', '\xBB'),
        Centred("{A}"),
        Centred("{B}"),
        Centred("{C}"),
        Framed(""),
        Columns({{2, "Language ...: {D}"}, {40, "Type .......: {E}"}}),
        Columns({{2, "Group ......: {F}"}}),
        Columns({{2, "Supplier ...: {G}"}, {40, "Cracker ....: {H}"}}),
        Columns({{2, "Coder ......: {I}"}, {40, "Tester .....: {J}"}}),
        Columns({{2, "Packager ...: {K}"}}),
        Columns({{2, "Release ....: {L}"}, {40, "Protection .: {M}"}}),
        Columns({{2, "Date .......: {N}"}, {40, "Size .......: {O}"}}),
        Columns({{2, "System .....: {P}"}}),
        Columns({{2, "Archive ....: {Q}"}}),
        Framed("  [{A}] keeps its place: no room"),
        Framed("  keep {a} as written"),
        Framed(""),
        Framed("  {R}"),
        Framed(""),
        Framed("  {S}"),
        Framed("  Notes: {T}"),
        Centred("{U}"),
        Rule('\xC8', '\xBC'),
    };
}

Lines FormNfoExpected(const std::string& date) {
    return {
        Rule('\xC9', '\xBB'),
        Centred(Oem(kName)),
        Centred(kCopyright),
        Centred(kSite),
        Framed(""),
        Columns({{2, "Language ...: German"}, {40, "Type .......: Font Editor"}}),
        Columns({{2, "Group ......: iNKWELL"}}),
        Columns({{2, "Supplier ...: Razorwire"}, {40, "Cracker ....: Nightowl"}}),
        Columns({{2, "Coder ......: Coder One"}, {40, "Tester .....: Razorwire"}}),
        Columns({{2, "Packager ...: Quillion"}}),
        Columns({{2, "Release ....: Keygen"}, {40, "Protection .: Serial / Name"}}),
        Columns({{2, "Date .......: " + date}, {40, "Size .......: 01 x 2.88 MB"}}),
        Columns({{2, "System .....: Windows 10"}}),
        // File Name, Delimiter and the Package group's Team.
        Columns({{2, "Archive ....: " + Oem("Caf\xE9.Tool_LATTiCE")}}),
        Framed("  [{A}] keeps its place: no room"),
        Framed("  keep {a} as written"),
        Framed(""),
        Framed("  Line one"),
        Framed("  Line two"),
        Framed(""),
        Framed("  1. Run the keygen."),
        Framed("  2. Register."),
        Framed("  Notes: Fast"),
        Framed("  Notes:"),  // the text's final line break makes an empty last line
        Centred("Hello all"),
        Centred("and friends"),
        Rule('\xC8', '\xBC'),
    };
}

constexpr size_t kDizInner = 42;
std::string DizLine(const std::string& text, bool centred = false) {
    std::string inner(centred ? (kDizInner - text.size()) / 2 : 0, ' ');
    inner += text;
    inner.resize(kDizInner, ' ');
    return "\xB3" + inner + "\xB3";
}
std::string DizRule(char left, char right) {
    return std::string(1, left) + std::string(kDizInner, '\xC4') + right;
}

Lines FormDizTemplate() {
    return {DizRule('\xDA', '\xBF'), DizLine("{A}", true), DizLine(" Group: {F}"),
            DizLine(" {R} stays"), DizRule('\xC0', '\xD9')};
}

Lines FormDizExpected() {
    return {DizRule('\xDA', '\xBF'), DizLine(Oem(kName), true), DizLine(" Group: iNKWELL"),
            DizLine(" {R} stays"), DizRule('\xC0', '\xD9')};
}

// Template files end their lines in different ways; the rendering always with CR LF.
std::string AsTemplateFile(const Lines& lines) {
    std::string bytes;
    for (size_t i = 0; i < lines.size(); ++i) {
        bytes += lines[i];
        if (i + 1 == lines.size()) break;  // no break after the last line
        bytes += i == 4 ? "\r" : "\r\n";   // one line ends with a lone CR
    }
    return bytes;
}

GUI_SCENARIO(make_nfo_and_diz_render_a_typed_and_picked_form) {
    InstallSpec layout;
    layout.configuration = kFormConfiguration;
    layout.files = {{"Templates\\form.nfo", AsTemplateFile(FormNfoTemplate())},
                  {"Templates\\form.diz", AsTemplateFile(FormDizTemplate())}};
    AppSession app(layout);
    REQUIRE(app.Start());
    app.Settle();

    app.Type(FieldId('A'), kName);
    app.Type(FieldId('B'), kCopyright);
    app.Type(FieldId('C'), kSite);
    PickEntry(app, FieldId('D'), 1);
    TypeOver(app, FieldId('E'), "Font Editor");
    PickEntry(app, FieldId('F'), 1);
    PickEntry(app, FieldId('H'), 1);  // {G} and {J} keep their first entries
    TypeOver(app, FieldId('I'), "Coder One");
    PickEntry(app, FieldId('K'), 2);
    PickEntry(app, FieldId('L'), 1);  // brings its install text into {S}
    TypeOver(app, FieldId('M'), "Serial / Name");
    PickEntry(app, FieldId('P'), 1);
    PickEntry(app, kPackageTeam, 2);
    TypeOver(app, kDelimiter, "_");
    app.SetText(FieldId('R'), "Line one\r\nLine two");
    app.SetText(FieldId('T'), "Fast\r\n");
    CHECK_EQ(app.Text(FieldId('Q')), std::string("Caf\xE9.Tool"));
    CHECK_EQ(app.Text(FieldId('S')), std::string("1. Run the keygen.\r\n2. Register."));

    app.PostCommand(kCmdMakeNfo);
    CHECK_EVENTUALLY_EQ(app.CurrentTab(), 2);
    CHECK_EQ(app.Text(kNfoPreview), JoinLines(FormNfoExpected(app.Text(FieldId('N')))));

    app.PostCommand(kCmdMakeDiz);
    CHECK_EVENTUALLY_EQ(app.CurrentTab(), 3);
    CHECK_EQ(app.Text(kDizPreview), JoinLines(FormDizExpected()));

    // The form is read afresh by each command.
    TypeOver(app, FieldId('F'), "XYZ");
    app.PostCommand(kCmdMakeDiz);
    Lines typedTeam = FormDizExpected();
    typedTeam[2] = DizLine(" Group: XYZ");
    CHECK_EQ(app.Text(kDizPreview), JoinLines(typedTeam));
}

// --- Wrapping, vanished and locked templates ---------------------------------------------

const char kParagraph[] =
    "Glyphwright writes the information files of a release from templates, keeping every "
    "frame and column of the template where it was drawn, and this paragraph is long enough "
    "to be wrapped by the description box into several lines that each become one copy of "
    "the template line that holds the placeholder.";

Lines WrapTemplate() {
    return {Rule('\xC9', '\xBB'), Framed("{R}"), Centred("{C}"), Framed("[{B}]"), Rule('\xC8', '\xBC')};
}

// Each displayed line takes the placeholder's place; one too long for the line keeps it.
Lines WrapExpected(const Lines& shown, const std::string& siteLine, const std::string& bracket) {
    Lines lines = {Rule('\xC9', '\xBB')};
    for (const std::string& line : shown) lines.push_back(Framed(line.size() <= kNfoInner ? line : "{R}"));
    lines.push_back(siteLine);
    lines.push_back(bracket);
    lines.push_back(Rule('\xC8', '\xBC'));
    return lines;
}

GUI_SCENARIO(make_nfo_follows_wrapping_and_survives_a_vanished_template) {
    const std::string bytes = JoinLines(WrapTemplate());
    InstallSpec layout;
    layout.files = {{"Templates\\wrap.nfo", bytes}};
    AppSession app(layout);
    REQUIRE(app.Start());
    app.Settle();
    const std::string path = app.Folder() + "Templates\\wrap.nfo";
    CHECK_EQ(app.Text(kNfoPreview), bytes);

    // Before any successful load a failed one empties the preview.
    REQUIRE(DeleteFileA(path.c_str()));
    app.PostCommand(kCmdMakeNfo);
    CHECK_EQ(app.Text(kNfoPreview), std::string());
    REQUIRE(WriteBytes(path, bytes));

    // The description as the box shows it: one paragraph, wrapped into several lines.
    app.SetText(FieldId('R'), kParagraph);
    app.SetText(FieldId('B'), "Longer");  // no room in "[{B}]"
    const Lines shown = DisplayedLines(app, FieldId('R'));
    CHECK(shown.size() > 2);
    std::string joined;
    for (const std::string& line : shown) joined += line;
    CHECK_EQ(joined, std::string(kParagraph));
    app.PostCommand(kCmdMakeNfo);
    const std::string rendered = JoinLines(WrapExpected(shown, Framed(""), Framed("[{B}]")));
    CHECK_EQ(app.Text(kNfoPreview), rendered);

    // Held open by another reader, the template still loads; the description is read afresh.
    {
        HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        CHECK(reader != INVALID_HANDLE_VALUE);
        app.SetText(FieldId('R'), "Short");
        app.PostCommand(kCmdMakeNfo);
        CHECK_EQ(app.Text(kNfoPreview), JoinLines(WrapExpected({"Short"}, Framed(""), Framed("[{B}]"))));
        if (reader != INVALID_HANDLE_VALUE) CloseHandle(reader);
    }
    app.SetText(FieldId('R'), kParagraph);
    app.PostCommand(kCmdMakeNfo);
    CHECK_EQ(app.Text(kNfoPreview), rendered);

    // Locked or gone, the template is not read: the last rendering is rendered again with the
    // current values, which fill what it still holds of placeholders.
    app.SetText(FieldId('B'), "ab");
    app.SetText(FieldId('C'), "Mid");
    std::string bracket = Framed("[{B}]");
    bracket.replace(bracket.find("{B}"), 3, "ab");  // a two-character value shortens its line
    const std::string reRendered = JoinLines(WrapExpected(shown, Framed(""), bracket));
    {
        HANDLE locker = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        CHECK(locker != INVALID_HANDLE_VALUE);
        app.PostCommand(kCmdMakeNfo);
        CHECK_EQ(app.Text(kNfoPreview), reRendered);
        if (locker != INVALID_HANDLE_VALUE) CloseHandle(locker);
    }
    REQUIRE(DeleteFileA(path.c_str()));
    app.PostCommand(kCmdMakeNfo);
    CHECK_EQ(app.Text(kNfoPreview), reRendered);
    // A raw view of what cannot be read is empty.
    app.PostCommand(kCmdViewNfo);
    CHECK_EQ(app.Text(kNfoPreview), std::string());
    // The box still lists the name it read at start.
    CHECK(app.ListEntries(kNfoTemplateBox) == (Lines{"wrap.nfo"}));
}

// --- An NFO too large to make ---------------------------------------------------------------

// A thousand description lines over a thousand template lines would make an NFO of 81 MB: Make
// NFO says so and stops, the preview, the page and the kept rendering stay as they were.
GUI_SCENARIO(make_nfo_refuses_an_nfo_over_64_mb) {
    constexpr int kTemplateLines = 1000;
    constexpr int kDescriptionLines = 1000;
    Lines templateLines = {Centred("{A}")};
    for (int i = 0; i < kTemplateLines; ++i) templateLines.push_back(Framed("  {R}"));
    const std::string path = "Templates\\many.nfo";
    InstallSpec layout;
    layout.files = {{path, JoinLines(templateLines)}};
    AppSession app(layout);
    REQUIRE(app.Start());
    app.Settle();

    app.SetText(FieldId('A'), "Kept");
    app.SetText(FieldId('R'), "short");
    app.PostCommand(kCmdMakeNfo);
    CHECK_EVENTUALLY_EQ(app.CurrentTab(), 2);
    const std::string made = app.Text(kNfoPreview);
    CHECK(made.find("short") != std::string::npos && made.find("{R}") == std::string::npos);
    app.ClickTab(0);

    std::string description;
    for (int i = 0; i < kDescriptionLines; ++i) description += "line " + std::to_string(i) + "\r\n";
    app.SetText(FieldId('R'), description);
    const ULONGLONG start = GetTickCount64();
    app.PostCommand(kCmdMakeNfo);
    const HWND box = app.WaitForMessageBox(60000);
    REQUIRE(box != nullptr);
    ReportNote("Make NFO refused an 81 MB NFO after " + std::to_string(GetTickCount64() - start) +
               " ms");
    CHECK(GetWindow(box, GW_OWNER) == app.Window());
    const SeenMessageBox seen = AppSession::ReadMessageBox(box);
    CHECK_EQ(seen.caption, std::string("Glyphwright"));
    CHECK(seen.text.find("64 MB") != std::string::npos);
    AppSession::AnswerMessageBox(box);
    app.Settle();
    CHECK_EQ(app.CurrentTab(), 0);
    CHECK_EQ(app.Text(kNfoPreview), made);

    // The kept rendering is whole: with the template gone, it is what Make NFO renders again.
    REQUIRE(DeleteFileA((app.Folder() + path).c_str()));
    app.SetText(FieldId('R'), "other");
    app.PostCommand(kCmdMakeNfo);
    CHECK_EVENTUALLY_EQ(app.CurrentTab(), 2);
    CHECK_EQ(app.Text(kNfoPreview), made);
    CHECK(app.MessageBoxes().empty());
}

// --- The sample templates -------------------------------------------------------------------

std::string ReadBytes(const std::string& path) {
    std::string bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

Lines SplitLines(const std::string& text) {
    Lines lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

// Box lines start with a vertical frame character; their right border must stay in place.
void CheckFramesAligned(const std::string& rendered, size_t width) {
    int misplaced = 0;
    for (const std::string& line : SplitLines(rendered)) {
        const char first = line.empty() ? '\0' : line.front();
        if (first != '\xB3' && first != '\xBA' && first != '\xDB') continue;
        if (line.size() != width || line.back() != first) {
            if (++misplaced <= 3) CHECK_EQ(line, std::string("a framed line of ") + std::to_string(width));
        }
    }
    CHECK_EQ(misplaced, 0);
}

void SaveShot(const AppSession& app, const std::string& name) {
    if (Options().shotsDir.empty()) return;
    const std::string path = Options().shotsDir + "\\" + name;
    if (!SaveWindowScreenshot(app.Window(), path)) ReportNote("no screenshot written to " + path);
}

std::string ShotName(const std::string& prefix, const std::string& templateName) {
    std::string name = prefix + templateName;
    std::replace(name.begin(), name.end(), '.', '-');
    return name + ".png";
}

GUI_SCENARIO(sample_templates_make_nfo_and_diz_with_screenshots) {
    InstallSpec layout;
    layout.sampleTemplates = true;
    layout.configuration = ReadBytes(Options().templatesDir + "\\Glyphwright.ini");
    REQUIRE(!layout.configuration->empty());
    AppSession app(layout);
    REQUIRE(app.Start());
    app.Settle();

    app.Type(FieldId('A'), "Glyphwright Studio 2.4");
    app.Type(FieldId('B'), "2025 Inkwell Software");
    app.Type(FieldId('C'), "www.glyphwright.example");
    PickEntry(app, FieldId('L'), 1);
    PickEntry(app, FieldId('H'), 3);
    app.SetText(FieldId('R'),
                "A small tool that turns release details into NFO and\r\n"
                "File_ID.diz files from hand-drawn templates.\r\n"
                "Frames, banners and columns stay where they were drawn.");
    app.SetText(FieldId('T'), "Tested on Windows 10 and 11.\r\nNo online activation needed.");

    const Lines nfos = app.ListEntries(kNfoTemplateBox);
    CHECK_EQ(nfos.size(), static_cast<size_t>(3));
    HWND nfoBox = app.Get(kNfoTemplateBox);
    std::string largest;
    size_t largestSize = 0;
    for (size_t i = 0; i < nfos.size(); ++i) {
        FailureContext context("NFO template " + nfos[i]);
        if (i > 0) app.PressKey(nfoBox, VK_DOWN);
        CHECK_EQ(CaretIndex(app, kNfoTemplateBox), static_cast<int>(i));
        app.PostCommand(kCmdMakeNfo);
        CHECK_EVENTUALLY_EQ(app.CurrentTab(), 2);
        const std::string rendered = app.Text(kNfoPreview);
        CHECK(rendered.find("{A}") == std::string::npos && rendered.find("{R}") == std::string::npos);
        CheckFramesAligned(rendered, kNfoWidth);
        SaveShot(app, ShotName("make-nfo-", nfos[i]));
        app.Send(app.Get(kNfoPreview), EM_LINESCROLL, 0, 30);  // the text blocks further down
        SaveShot(app, ShotName("make-nfo-lower-", nfos[i]));
        const size_t size = ReadBytes(app.Folder() + "Templates\\" + nfos[i]).size();
        if (size > largestSize) largestSize = size, largest = nfos[i];
    }

    const Lines dizzes = app.ListEntries(kDizTemplateBox);
    CHECK_EQ(dizzes.size(), static_cast<size_t>(3));  // two templates and the empty entry
    HWND dizBox = app.Get(kDizTemplateBox);
    for (size_t i = 0; i + 1 < dizzes.size(); ++i) {
        FailureContext context("DIZ template " + dizzes[i]);
        if (i > 0) app.PressKey(dizBox, VK_DOWN);
        app.PostCommand(kCmdMakeDiz);
        CHECK_EVENTUALLY_EQ(app.CurrentTab(), 3);
        CheckFramesAligned(app.Text(kDizPreview), 44);
        SaveShot(app, ShotName("make-diz-", dizzes[i]));
    }

    // How long "Make NFO" takes on the largest sample, seen from outside (the round trips of
    // the driver's messages included). A figure for people, not a check.
    const auto position = std::find(nfos.begin(), nfos.end(), largest) - nfos.begin();
    for (size_t step = 0; step < nfos.size() && CaretIndex(app, kNfoTemplateBox) > position; ++step)
        app.PressKey(nfoBox, VK_UP);
    CHECK_EQ(CaretIndex(app, kNfoTemplateBox), static_cast<int>(position));
    constexpr int kRuns = 50;
    ULONGLONG elapsed = 0;
    for (int run = 0; run < kRuns; ++run) elapsed += RunCommand(app, kCmdMakeNfo, 60000);
    ReportNote("Make NFO on " + largest + " (" + std::to_string(largestSize) + " bytes): " +
               std::to_string(static_cast<double>(elapsed) / kRuns) + " ms a command over " + std::to_string(kRuns) + " runs");
    ULONGLONG viewElapsed = 0;
    for (int run = 0; run < kRuns; ++run) viewElapsed += RunCommand(app, kCmdViewNfo, 60000);
    ReportNote("View NFO on " + largest + ": " + std::to_string(static_cast<double>(viewElapsed) / kRuns) +
               " ms a command (the preview taking a text of that size)");

}

}  // namespace
}  // namespace glyphwright::guitest
