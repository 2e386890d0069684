// The program on a plain Wine set-up, as a user with their own Wine has it: no OEM font, no
// "Lucida Console". These scenarios run only in an undressed prefix (gui_tests --bare-prefix,
// see scripts/wine-run). There the font mapper answered with a proportional face, and Wine's
// text shaping read out of bounds on a run starting with byte 0x98: the program died.

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "app_session.h"
#include "gui_framework.h"
#include "release_support.h"
#include "screenshot.h"

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

// Every control a user types into: the editable edits, a drop-down's edit part included.
std::vector<HWND> TypedControls(const AppSession& app) {
    std::vector<HWND> found;
    EnumChildWindows(
        app.Window(),
        [](HWND control, LPARAM list) CALLBACK -> BOOL {
            if (AppSession::ClassName(control) == "Edit" &&
                !(GetWindowLongPtrW(control, GWL_STYLE) & ES_READONLY)) {
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(control);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// A fault leaves the process to Wine's debugger, which keeps it alive but deaf.
bool Responding(const AppSession& app) {
    DWORD_PTR result = 0;
    return app.Running() &&
           SendMessageTimeoutW(app.Window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 3000, &result) != 0;
}

void SaveShot(const AppSession& app, const char* name) {
    if (Options().shotsDir.empty()) return;
    const std::string path = Options().shotsDir + "\\" + name;
    if (!SaveWindowScreenshot(app.Window(), path)) ReportNote("no screenshot written to " + path);
}

// Runs a project command and answers its file dialog with `path`; the name it offered.
std::string ChooseProject(AppSession& app, int command, const std::string& path) {
    app.PostCommand(command);
    HWND dialog = WaitForFileDialog(app);
    REQUIRE(dialog != nullptr);
    const std::string offered = FileDialogName(dialog);
    SubmitFileDialog(app, dialog, path);
    REQUIRE(WaitForWindowGone(dialog));
    app.Settle();
    return offered;
}

// Puts the byte in front of every value of a project file, whatever its sections and keys.
void PrefixEveryValue(const std::string& path) {
    char names[4096] = {};
    GetPrivateProfileSectionNamesA(names, sizeof names, path.c_str());
    for (const char* section = names; *section; section += std::strlen(section) + 1) {
        char lines[32767] = {};
        GetPrivateProfileSectionA(section, lines, sizeof lines, path.c_str());
        std::string rewritten;
        for (const char* line = lines; *line; line += std::strlen(line) + 1) {
            std::string entry(line);
            const std::size_t equals = entry.find('=');
            if (equals != std::string::npos) entry.insert(equals + 1, "\x98");
            rewritten += entry + '\0';
        }
        WritePrivateProfileSectionA(section, (rewritten + '\0').c_str(), path.c_str());
    }
}

// The faces the program asks for are missing here. Set by opening a project, or typed into
// an empty control, the byte 0x98 starts a run, where the shaper of a proportional stand-in
// faulted. The input is posted: a fault inside a sent message would be swallowed.
GUI_SCENARIO(bare_prefix_every_byte_in_every_field_and_a_project_of_them) {
    AppSession app;
    REQUIRE(app.Start());
    const std::vector<HWND> controls = TypedControls(app);
    for (const int id : {int{kDelimiter}, int{kSpacer}, FieldId('A'), FieldId('R')}) {
        CHECK(std::find(controls.begin(), controls.end(), app.Get(id)) != controls.end());
    }

    // A project of the program's own making, every value of it then led by the byte.
    for (std::size_t i = 0; i < controls.size(); ++i) {
        SendMessageW(controls[i], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
        app.Type(controls[i], "v" + std::to_string(i));
    }
    const std::string project = app.Folder() + "Projects\\bytes.gwp";
    ChooseProject(app, kCmdSaveProject, project);
    std::vector<std::string> saved;
    for (HWND control : controls) saved.push_back(AppSession::Text(control));
    PrefixEveryValue(project);

    ChooseProject(app, kCmdOpenProject, project);
    REQUIRE(Responding(app));
    for (std::size_t i = 0; i < controls.size(); ++i) {
        FailureContext context("control " + std::to_string(app.IdOf(controls[i])));
        CHECK_EQ(AppSession::Text(controls[i]), "\x98" + saved[i]);
    }
    // Name and Team now lead with the byte, and so does the save dialog's preset name.
    const std::string offered = ChooseProject(app, kCmdSaveProject, app.Folder() + "Projects\\again.gwp");
    REQUIRE(Responding(app));
    CHECK_EQ(offered, app.Text(FieldId('A')) + "-" + app.Text(FieldId('F')));
    SaveShot(app, "bare-prefix-release-information.png");
    app.ClickTab(1);
    SaveShot(app, "bare-prefix-team-information.png");

    std::string everyByte;
    for (int byte = 1; byte < 256; ++byte) everyByte += static_cast<char>(byte);
    for (HWND control : controls) {
        FailureContext context("typing into control " + std::to_string(app.IdOf(control)));
        SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
        app.Type(control, "\x98" + everyByte);
        REQUIRE(Responding(app));
    }
}

}  // namespace
}  // namespace glyphwright::guitest
