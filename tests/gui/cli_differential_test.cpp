// The command-line companion against the window: the same form, once typed into the window
// and once written as a project file, must give byte-identical NFO and DIZ files. The text
// blocks are filled with paragraphs that the boxes wrap, so the companion's default wrap
// width and its wrapping rules are checked against the real edit control too.

#include <string>
#include <vector>

#include "app/control_ids.h"
#include "app_session.h"
#include "gui_framework.h"
#include "template_support.h"

namespace glyphwright::guitest {
namespace {

using namespace ids;

std::string DriverFolder() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string folder(self);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

// Runs the companion with the command line and waits for it; its exit code, or -1.
int RunCli(const std::string& arguments) {
    std::string commandLine = "\"" + DriverFolder() + "glyphwright-cli.exe\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &process)) {
        return -1;
    }
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

std::string ReadAll(const std::string& path) {
    std::string bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

// A text block as the project file stores it: CR LF as "{#}".
std::string Tokens(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0) {
            out += "{#}";
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

struct Value {
    int id;
    const char* section;
    const char* key;
    std::string text;
};

const char kDescription[] =
    "Glyphwright writes the information files of a release from templates, keeping every frame and "
    "column of the template where it was drawn.\r\n\r\n"
    "Averyveryveryveryveryveryveryveryveryveryveryveryveryveryveryveryveryverylongwordwithoutablank "
    "and then   several   blanks   between   words   that   reach   the   edge   of   the   box.";
const char kInstall[] = "1. Unpack.\r\n2. Run Setup.exe and follow the steps that the installer shows on the screen, "
                        "one after the other, until it is done.\r\n";
const char kOther[] = "";
const char kGreetings[] = "Hello to all friends of the group, old and new, near and far, and to everyone who "
                          "reads NFO files to the very end.";

GUI_SCENARIO(cli_render_equals_make_nfo_and_make_diz) {
    InstallSpec layout;
    layout.sampleTemplates = true;
    AppSession app(layout);
    REQUIRE(app.Start());
    app.Settle();

    // The box width in characters: a paragraph without blanks wraps at exactly the width.
    app.SetText(FieldId('R'), std::string(300, 'x'));
    const std::vector<std::string> measured = DisplayedLines(app, FieldId('R'));
    REQUIRE(!measured.empty());
    ReportNote("text block width: " + std::to_string(measured[0].size()) + " characters");
    CHECK_EQ(measured[0].size(), static_cast<size_t>(69));

    // The Spacer before the Name, so the typed form's {Q} is derived with it, as opening the
    // project derives it.
    std::vector<Value> values = {
        {kSpacer, "RACKAGE", "Spacer", "_"},
        {FieldId('A'), "APPLICATION", "Name", "Caf\xE9 Tool"},
        {FieldId('B'), "APPLICATION", "Copyright", "Maker Co 2024"},
        {FieldId('C'), "APPLICATION", "Site", "www.example.org"},
        {FieldId('D'), "APPLICATION", "Langauge", "English"},
        {FieldId('E'), "APPLICATION", "Type", "Utility"},
        {FieldId('F'), "TEAM", "Name", "XYZ"},
        {FieldId('G'), "TEAM", "Supplied", "Razorwire"},
        {FieldId('H'), "TEAM", "Cracked", "Nightowl"},
        {FieldId('I'), "TEAM", "Coded", "Quillion"},
        {FieldId('J'), "TEAM", "Tested", "Razorwire"},
        {FieldId('K'), "TEAM", "Packaged", "Nightowl"},
        {FieldId('L'), "RELEASE", "Type", "Retail"},
        {FieldId('M'), "RELEASE", "Protection", "Serial"},
        {FieldId('O'), "RELEASE", "Size", "01 x 2.88 MB"},
        {FieldId('P'), "RELEASE", "Os", "Windows 11"},
        {kDelimiter, "RACKAGE", "Delimiter", "-"},
        {kPackageTeam, "RACKAGE", "Team", "XYZ"},
        {FieldId('R'), "INFO", "Description", kDescription},
        {FieldId('S'), "INFO", "Install Info", kInstall},
        {FieldId('T'), "INFO", "Other Information", kOther},
        {FieldId('U'), "INFO", "Greetings", kGreetings},
    };
    for (const Value& value : values) app.SetText(value.id, value.text);
    app.Settle();
    values.push_back({FieldId('N'), "RELEASE", "Date", app.Text(FieldId('N'))});
    // Each section once: only the first section of a name is read.
    std::string project;
    for (const char* section : {"APPLICATION", "TEAM", "RELEASE", "RACKAGE", "INFO"}) {
        project += std::string("[") + section + "]\r\n";
        for (const Value& value : values) {
            if (std::string(value.section) == section) project += std::string(value.key) + "=" + Tokens(value.text) + "\r\n";
        }
    }
    const std::string projectPath = app.Folder() + "release.gwp";
    REQUIRE(WriteBytes(projectPath, project));

    app.PostCommand(kCmdMakeNfo);
    app.PostCommand(kCmdMakeDiz);
    app.Settle();
    const std::string nfo = app.Text(kNfoPreview);
    const std::string diz = app.Text(kDizPreview);
    REQUIRE(!nfo.empty());

    // The templates the window rendered: the first entries of the boxes.
    const std::vector<std::string> nfoNames = app.ListEntries(kNfoTemplateBox);
    const std::vector<std::string> dizNames = app.ListEntries(kDizTemplateBox);
    REQUIRE(!nfoNames.empty() && !dizNames.empty());
    const std::string out = app.Folder() + "cli-out";
    const int code = RunCli("render --project \"" + projectPath + "\" --nfo \"" + app.Folder() + "Templates\\" +
                            nfoNames[0] + "\" --diz \"" + app.Folder() + "Templates\\" + dizNames[0] +
                            "\" --out \"" + out + "\"");
    CHECK_EQ(code, 0);
    CHECK_EQ(ReadAll(out + "\\XYZ.nfo"), nfo);
    CHECK_EQ(ReadAll(out + "\\File_ID.diz"), diz);
}

}  // namespace
}  // namespace glyphwright::guitest
