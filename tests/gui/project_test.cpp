// "Save Project" and "Open Project" through the program's own dialogs: every field comes back
// as it was typed (blanks at the ends, quotes, long blocks), "{#}" in a block opens as a line
// break, hand-written sections survive a save, dates in other formats leave the date as it
// was, and a file holding no project is refused with the form left as it was.

#include <cstdlib>

#include "app/control_ids.h"
#include "app_session.h"
#include "gui_framework.h"
#include "release_support.h"

namespace glyphwright::guitest {
namespace {

const int kFileName = ids::FieldId('Q');

// Every text the project keeps, by control id, with values the profile functions would bend.
struct FieldValue {
    int id;
    std::string text;
};

std::string LongBlock() {
    std::string block;
    for (int line = 0; block.size() < 10000; ++line) {
        block += "line " + std::to_string(line) + std::string(90, 'a' + line % 26) + "\r\n";
    }
    return block + "end";
}

std::vector<FieldValue> TrickyValues() {
    return {
        {ids::FieldId('A'), "  Glyph Tool  "},
        {ids::FieldId('B'), "\"Quoted copyright\""},
        {ids::FieldId('C'), "'single quoted'"},
        {ids::FieldId('D'), "\tTabbed language"},
        {ids::FieldId('E'), "a \"middle\" quote"},
        {ids::FieldId('F'), "Crew"},
        {ids::FieldId('G'), "key=value; [not a section]"},
        {ids::FieldId('H'), "\"unbalanced"},
        {ids::FieldId('I'), "' mixed \""},
        {ids::FieldId('J'), "x{#}y in a single line"},
        {ids::FieldId('K'), "trailing blank "},
        {ids::FieldId('L'), "Retail"},
        {ids::FieldId('M'), " leading blank"},
        {ids::FieldId('O'), "12,5 MB"},
        {ids::FieldId('P'), "Win 95/98/ME"},
        {ids::kDelimiter, " - "},
        {ids::kPackageTeam, "\"TEAM\""},
        {ids::kSpacer, "_"},
        {ids::ArchiverOptionsId(Archiver::WinRar), "a -afzip -ep1"},
        {ids::ArchiverOptionsId(Archiver::SevenZip), "a -tzip \"-x!*.bak\""},
        {ids::FieldId('R'), LongBlock()},
        {ids::FieldId('S'), "  first  \r\n\r\n\tthird\r\n"},
        {ids::FieldId('T'), "\"whole block quoted\""},
        {ids::FieldId('U'), "Greetings to all"},
    };
}

void SetButton(const AppSession& app, int id, bool checked) {
    app.Send(app.Get(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

// Runs "Open Project" and answers its dialog with `path`.
void OpenProjectFile(AppSession& app, const std::string& path) {
    app.PostCommand(ids::kCmdOpenProject);
    HWND dialog = WaitForFileDialog(app);
    REQUIRE(dialog != nullptr);
    CHECK_EQ(FileDialogName(dialog), std::string("*.gwp"));
    SubmitFileDialog(app, dialog, path);
    CHECK(WaitForWindowGone(dialog));
    app.Settle();
}

std::string ProfileValue(const std::string& path, const char* section, const char* key) {
    char buffer[256] = {};
    GetPrivateProfileStringA(section, key, "<missing>", buffer, sizeof buffer, path.c_str());
    return buffer;
}

GUI_SCENARIO(project_round_trip_of_every_field) {
    AppSession app;
    REQUIRE(app.Start());
    const std::vector<FieldValue> values = TrickyValues();
    for (const FieldValue& value : values) app.SetText(value.id, value.text);
    SetButton(app, ids::ArchiverButtonId(Archiver::WinRar), true);
    SetButton(app, ids::ArchiverButtonId(Archiver::SevenZip), true);
    const std::optional<SYSTEMTIME> date = app.PickerDate(ids::FieldId('N'));
    REQUIRE(date.has_value());

    // A new name is accepted by the save dialog, preset with Name, "-" and Team Name.
    app.PostCommand(ids::kCmdSaveProject);
    HWND dialog = WaitForFileDialog(app);
    REQUIRE(dialog != nullptr);
    CHECK_EQ(FileDialogName(dialog), std::string("  Glyph Tool  -Crew"));
    const std::string path = app.Folder() + "Projects\\round.gwp";
    SubmitFileDialog(app, dialog, path);
    CHECK(WaitForWindowGone(dialog));
    app.Settle();
    REQUIRE(ReadBytes(path).has_value());
    // The file holds the derived file name and the buttons as numbers.
    CHECK_EQ(ProfileValue(path, "RACKAGE", "Name"), std::string("__Glyph_Tool__"));
    CHECK_EQ(ProfileValue(path, "ARCHIVER", "WinRAR"), std::string("1"));
    CHECK_EQ(ProfileValue(path, "ARCHIVER", "7zip"), std::string("1"));
    // No value breaks the file into more lines than it has keys (28 keys, 7 sections).
    const std::string bytes = ReadBytes(path).value_or("");
    size_t lines = 0;
    for (size_t start = 0; start < bytes.size();) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        if (bytes.find_first_not_of("\r", start) < end) ++lines;  // blank lines do not count
        start = end + 1;
    }
    CHECK_EQ(lines, size_t(35));

    // Everything different, then opened again.
    for (const FieldValue& value : values) app.SetText(value.id, "other");
    SetButton(app, ids::ArchiverButtonId(Archiver::WinRar), false);
    SetButton(app, ids::ArchiverButtonId(Archiver::SevenZip), false);
    app.SetText(kFileName, "hand made");
    OpenProjectFile(app, path);
    for (const FieldValue& value : values) {
        FailureContext context("control " + std::to_string(value.id));
        CHECK_EQ(app.Text(value.id), value.text);
    }
    CHECK_EQ(app.Text(kFileName), std::string("__Glyph_Tool__"));
    CHECK(ButtonChecked(app, ids::ArchiverButtonId(Archiver::WinRar)));
    CHECK(ButtonChecked(app, ids::ArchiverButtonId(Archiver::SevenZip)));
    const std::optional<SYSTEMTIME> reopened = app.PickerDate(ids::FieldId('N'));
    REQUIRE(reopened.has_value());
    CHECK_EQ(reopened->wYear, date->wYear);
    CHECK_EQ(reopened->wMonth, date->wMonth);
    CHECK_EQ(reopened->wDay, date->wDay);

    // Hand-written sections and keys survive a save into the same file; replacing it is asked
    // first.
    std::string edited = ReadBytes(path).value_or("");
    edited += "[MINE]\r\nkeep=this\r\n";
    REQUIRE(WriteFileBytes(path, edited));
    WritePrivateProfileStringA("APPLICATION", "Extra", "kept too", path.c_str());
    app.SetText(ids::FieldId('U'), "has {#} token");
    app.PostCommand(ids::kCmdSaveProject);
    dialog = WaitForFileDialog(app);
    REQUIRE(dialog != nullptr);
    SubmitFileDialog(app, dialog, path);
    HWND question = WaitForBoxOver(app, dialog);
    REQUIRE(question != nullptr);
    AppSession::AnswerMessageBox(question, IDYES);
    CHECK(WaitForWindowGone(dialog));
    app.Settle();
    CHECK_EQ(ProfileValue(path, "MINE", "keep"), std::string("this"));
    CHECK_EQ(ProfileValue(path, "APPLICATION", "Extra"), std::string("kept too"));
    CHECK_EQ(ProfileValue(path, "INFO", "Greetings"), std::string("has {#} token"));

    // "{#}" in a block is the line-break token: it opens as a line break.
    OpenProjectFile(app, path);
    CHECK_EQ(app.Text(ids::FieldId('U')), std::string("has \r\n token"));
}

// The user's short date for a day, as the picker shows it and a project stores it.
std::string ShortDate(WORD year, WORD month, WORD day) {
    SYSTEMTIME time{};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    char text[128] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, text, sizeof text);
    return text;
}

GUI_SCENARIO(project_dates_junk_and_dialog_rules) {
    InstallSpec layout;
    const std::string noise = [] {
        std::string bytes;
        unsigned seed = 12345;
        for (int i = 0; i < 3000; ++i) {
            seed = seed * 1103515245u + 12345u;
            bytes += static_cast<char>(seed >> 16);
        }
        return bytes;
    }();
    layout.files = {
        {"Projects\\dated.gwp", "[RELEASE]\r\nDate=" + ShortDate(2001, 2, 3) + "\r\n"},
        {"Projects\\long-date.gwp", "[RELEASE]\r\nDate=Saturday, February 3, 2001\r\n"},
        {"Projects\\junk-date.gwp", "[RELEASE]\r\nDate=99/99/99 x\r\n"},
        {"Projects\\noise.gwp", noise},
        {"Projects\\empty.gwp", ""},
        {"Projects\\text.gwp", "just some text\r\n= no section\r\n"},
        {"Projects\\nul.gwp", std::string(8, '\0') + "[APPLICATION]\r\nName=hidden\r\n"},
    };
    AppSession app(layout);
    REQUIRE(app.Start());
    const int kDate = ids::FieldId('N');

    OpenProjectFile(app, app.Folder() + "Projects\\dated.gwp");
    std::optional<SYSTEMTIME> date = app.PickerDate(kDate);
    REQUIRE(date.has_value());
    CHECK_EQ(date->wYear, WORD(2001));
    CHECK_EQ(date->wMonth, WORD(2));
    CHECK_EQ(date->wDay, WORD(3));

    // A date that does not read keeps the picker's date.
    for (const char* file : {"long-date.gwp", "junk-date.gwp"}) {
        FailureContext context(file);
        OpenProjectFile(app, app.Folder() + "Projects\\" + file);
        date = app.PickerDate(kDate);
        REQUIRE(date.has_value());
        CHECK_EQ(date->wYear, WORD(2001));
        CHECK_EQ(date->wMonth, WORD(2));
        CHECK_EQ(date->wDay, WORD(3));
    }

    // Files that hold no project are refused with a message naming them; the form stays
    // exactly as it was, text blocks and the hand-made {Q} included.
    for (const char* file : {"noise.gwp", "empty.gwp", "text.gwp", "nul.gwp"}) {
        FailureContext context(file);
        app.SetText(ids::FieldId('A'), "Keep Me");
        app.SetText(ids::FieldId('F'), "Crew");
        app.SetText(ids::FieldId('R'), "a block");
        SetButton(app, ids::ArchiverButtonId(Archiver::SevenZip), true);
        app.SetText(kFileName, "hand made");
        OpenProjectFile(app, app.Folder() + "Projects\\" + file);
        HWND box = app.WaitForMessageBox();
        REQUIRE(box != nullptr);
        const SeenMessageBox seen = AppSession::ReadMessageBox(box);
        CHECK(GetWindow(box, GW_OWNER) == app.Window());
        CHECK_EQ(seen.caption, std::string("Glyphwright"));
        CHECK(seen.text.find(std::string("Projects\\") + file) != std::string::npos);
        AppSession::AnswerMessageBox(box, IDOK);
        CHECK(WaitForWindowGone(box));
        CHECK_EQ(app.Text(ids::FieldId('A')), std::string("Keep Me"));
        CHECK_EQ(app.Text(ids::FieldId('F')), std::string("Crew"));
        CHECK_EQ(app.Text(ids::FieldId('R')), std::string("a block"));
        CHECK(ButtonChecked(app, ids::ArchiverButtonId(Archiver::SevenZip)));
        CHECK_EQ(app.Text(kFileName), std::string("hand made"));
    }
    // A file with one of the project's sections opens as before: its blocks become empty.
    OpenProjectFile(app, app.Folder() + "Projects\\dated.gwp");
    CHECK(app.MessageBoxes().empty());
    CHECK_EQ(app.Text(ids::FieldId('R')), std::string());
    CHECK_EQ(app.Text(kFileName), std::string("Keep.Me"));

    // The open dialog takes only existing files; a cancelled one still derives {Q} again.
    app.SetText(kFileName, "hand made");
    app.PostCommand(ids::kCmdOpenProject);
    HWND dialog = WaitForFileDialog(app);
    REQUIRE(dialog != nullptr);
    SubmitFileDialog(app, dialog, app.Folder() + "Projects\\missing.gwp");
    HWND refusal = WaitForBoxOver(app, dialog);
    CHECK(refusal != nullptr);
    if (refusal) {
        AppSession::AnswerMessageBox(refusal, IDOK);
        CHECK(WaitForWindowGone(refusal));
    }
    CHECK(IsWindowVisible(dialog));
    CancelFileDialog(app, dialog);
    CHECK_EQ(app.Text(kFileName), std::string("Keep.Me"));
    CHECK_EQ(app.Text(ids::FieldId('A')), std::string("Keep Me"));
}

}  // namespace
}  // namespace glyphwright::guitest
