// Saves that cannot be made whole are refused or undone, and the user is told: names Windows
// forbids, a name that would land in another release's folder, a release folder blocked by a
// file. Whatever was there before stays as it was.

#include <string>

#include "app/control_ids.h"
#include "app_session.h"
#include "gui_framework.h"
#include "release_support.h"

namespace glyphwright::guitest {
namespace {

const int kName = ids::FieldId('A');
const int kTeamName = ids::FieldId('F');

InstallSpec WithTemplates(std::vector<InstallFile> more = {}) {
    InstallSpec layout;
    layout.files = {
        {"Templates\\plain.nfo", "Release {A}\r\nby {F}\r\n"},
        {"Templates\\plain.diz", "DIZ of {A}\r\n"},
    };
    for (InstallFile& file : more) layout.files.push_back(std::move(file));
    return layout;
}

// Makes both previews, saves, and answers the box the save shows; its text, or nothing.
std::optional<SeenMessageBox> SaveAndReadTheBox(AppSession& app) {
    app.PostCommand(ids::kCmdMakeNfo);
    app.PostCommand(ids::kCmdMakeDiz);
    app.Settle();
    app.PostCommand(ids::kCmdSaveNfoDiz);
    std::optional<SeenMessageBox> box = app.AnswerNextMessageBox(IDOK, 5000);
    app.Settle();
    return box;
}

GUI_SCENARIO(save_refuses_names_windows_forbids) {
    // An earlier release "Tool" that a trailing dot or blank would land on.
    AppSession app(WithTemplates({{"Release\\Tool\\Crew.nfo", "the earlier release\r\n"}}));
    REQUIRE(app.Start());
    struct Case {
        const char* name;
        const char* teamName;
        const char* named;  // what the message names
    };
    const Case cases[] = {
        {"CON", "Crew", "CON"}, {"aux.txt", "Crew", "aux.txt"}, {"What?", "Crew", "What?"},
        {"Tool.", "Crew", "Tool."}, {"Tool ", "Crew", "Tool "},
        {"Fine", "nul", "nul"}, {"Fine", "T|am", "T|am"},
    };
    for (const Case& c : cases) {
        FailureContext context(std::string("name ") + Describe(c.name) + ", team " + Describe(c.teamName));
        app.SetText(kName, c.name);
        app.SetText(kTeamName, c.teamName);
        const std::optional<SeenMessageBox> box = SaveAndReadTheBox(app);
        REQUIRE(box.has_value());
        CHECK(box->text.find(c.named) != std::string::npos);
        CHECK_EQ(FolderEntries(app.Folder() + "Release"), std::string("Tool"));
        CHECK_EQ(FolderEntries(app.Folder() + "Release\\Tool"), std::string("Crew.nfo"));
        CHECK_EQ(ReadBytes(app.Folder() + "Release\\Tool\\Crew.nfo").value_or("<missing>"),
                 std::string("the earlier release\r\n"));
    }
}

GUI_SCENARIO(save_into_a_release_folder_blocked_by_a_file_is_told) {
    AppSession app(WithTemplates({{"Release\\Tool", "a file where the folder would go"}}));
    REQUIRE(app.Start());
    app.SetText(kName, "Tool");
    app.SetText(kTeamName, "Crew");
    const std::optional<SeenMessageBox> box = SaveAndReadTheBox(app);
    REQUIRE(box.has_value());
    CHECK(box->text.find("Release\\Tool") != std::string::npos);
    CHECK(box->text.find("Nothing was saved") != std::string::npos);
    CHECK_EQ(box->caption, app.Text(app.Window()));
    CHECK_EQ(FolderEntries(app.Folder() + "Release"), std::string("Tool"));
    CHECK(!PathIsFolder(app.Folder() + "Release\\Tool"));
}

}  // namespace
}  // namespace glyphwright::guitest
