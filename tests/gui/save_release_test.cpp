// "Save NFO && DIZ": the previews land byte for byte in Release\<Name>\<Team>.nfo and
// File_ID.diz, a failed write leaves the old file whole, and nothing else is left behind.

#include "app/control_ids.h"
#include "app_session.h"
#include "gui_framework.h"
#include "release_support.h"

namespace glyphwright::guitest {
namespace {

const int kName = ids::FieldId('A');
const int kTeamName = ids::FieldId('F');

InstallSpec SpecWithTemplates() {
    InstallSpec layout;
    layout.files = {
        {"Templates\\plain.nfo", "Release {A}\r\nby {F}\r\n"},
        {"Templates\\plain.diz", "DIZ of {A}\r\n"},
    };
    return layout;
}

void MakeAndSave(AppSession& app) {
    app.PostCommand(ids::kCmdMakeNfo);
    app.PostCommand(ids::kCmdMakeDiz);
    app.PostCommand(ids::kCmdSaveNfoDiz);
    app.Settle();
}

GUI_SCENARIO(save_nfo_and_diz_names_and_folders) {
    AppSession app(SpecWithTemplates());
    REQUIRE(app.Start());
    struct Case {
        const char* name;
        const char* teamName;
        const char* folder;   // relative to the install folder
        const char* nfoFile;
        const char* folderHolds;  // exactly, so no temporary file is left behind
    };
    const Case cases[] = {
        {"Glyph Tool", "Crew", "Release\\Glyph Tool\\", "Crew.nfo", "Crew.nfo | File_ID.diz"},
        {"Glyph Tool", "", "Release\\Glyph Tool\\", ".nfo", ".nfo | Crew.nfo | File_ID.diz"},
        // An empty name makes the output root the release folder.
        {"", "Crew", "Release\\", "Crew.nfo", "Crew.nfo | File_ID.diz | Glyph Tool"},
    };
    for (const Case& c : cases) {
        FailureContext context(std::string("name ") + Describe(c.name) + ", team " + Describe(c.teamName));
        app.SetText(kName, c.name);
        app.SetText(kTeamName, c.teamName);
        MakeAndSave(app);
        const std::string nfo = app.Text(ids::kNfoPreview);
        const std::string diz = app.Text(ids::kDizPreview);
        CHECK(nfo.find("Release") != std::string::npos);
        const std::string folder = app.Folder() + c.folder;
        CHECK_EQ(ReadBytes(folder + c.nfoFile).value_or("<missing>"), nfo);
        CHECK_EQ(ReadBytes(folder + "File_ID.diz").value_or("<missing>"), diz);
        CHECK_EQ(FolderEntries(folder), std::string(c.folderHolds));
    }
}

// Names come from project files that people pass around: one that would leave
// Release\<Name>, name a device or lose its last character is refused with a box, and nothing
// at all is written.
GUI_SCENARIO(save_nfo_and_diz_refuses_names_leaving_the_folder) {
    AppSession app(SpecWithTemplates());
    REQUIRE(app.Start());
    const char* const names[][2] = {
        {"Outer\\Inner", "Crew"}, {"Tool", "..\\..\\x"}, {"Tool", "a/b"}, {"C:x", "Crew"},
        {"..", "Crew"}, {"CON", "Crew"}, {"Tool", "nul"},  // devices: no NFO, no File_ID.diz either
    };
    for (const auto& name : names) {
        FailureContext context(std::string("name ") + Describe(name[0]) + ", team " + Describe(name[1]));
        app.SetText(kName, name[0]);
        app.SetText(kTeamName, name[1]);
        MakeAndSave(app);
        const HWND box = app.WaitForMessageBox();
        REQUIRE(box != nullptr);
        CHECK(GetWindow(box, GW_OWNER) == app.Window());
        const SeenMessageBox seen = AppSession::ReadMessageBox(box);
        CHECK_EQ(seen.caption, std::string("Glyphwright"));
        CHECK(seen.text.find("Nothing was saved") != std::string::npos);
        AppSession::AnswerMessageBox(box);
        CHECK_EQ(FolderEntries(app.Folder()), std::string("Glyphwright.exe | Templates"));
    }

    // Windows drops a final dot: "Tool." would have been saved over the release "Tool".
    app.SetText(kName, "Tool");
    app.SetText(kTeamName, "Crew");
    MakeAndSave(app);
    const std::string releaseNfo = app.Folder() + "Release\\Tool\\Crew.nfo";
    const std::string kept = ReadBytes(releaseNfo).value_or("<missing>");
    CHECK_EQ(kept, app.Text(ids::kNfoPreview));
    app.SetText(kName, "Tool.");
    app.SetText(ids::kNfoPreview, "not to be saved\r\n");
    app.PostCommand(ids::kCmdSaveNfoDiz);
    const std::optional<SeenMessageBox> seen = app.AnswerNextMessageBox();
    REQUIRE(seen.has_value());
    CHECK(seen->text.find("\"Tool.\"") != std::string::npos);
    CHECK_EQ(ReadBytes(releaseNfo).value_or("<missing>"), kept);
}

GUI_SCENARIO(save_nfo_and_diz_keeps_files_it_must_not_write) {
    AppSession app(SpecWithTemplates());
    REQUIRE(app.Start());
    app.SetText(kName, "Kept");
    app.SetText(kTeamName, "Crew");
    MakeAndSave(app);
    const std::string folder = app.Folder() + "Release\\Kept\\";
    const std::string firstDiz = ReadBytes(folder + "File_ID.diz").value_or("<missing>");
    CHECK_EQ(firstDiz, app.Text(ids::kDizPreview));

    // The empty entry of the DIZ box stands for "no DIZ file": a DIZ preview is not written.
    const int count = static_cast<int>(app.Send(app.Get(ids::kDizTemplateBox), LB_GETCOUNT));
    REQUIRE(count == 2);
    ClickListEntry(app, ids::kDizTemplateBox, 1);
    app.SetText(ids::kDizPreview, "not to be saved\r\n");
    app.PostCommand(ids::kCmdSaveNfoDiz);
    app.Settle();
    CHECK_EQ(ReadBytes(folder + "File_ID.diz").value_or("<missing>"), firstDiz);

    // A chosen template with an empty preview writes nothing either.
    ClickListEntry(app, ids::kDizTemplateBox, 0);
    app.SetText(ids::kDizPreview, "");
    app.PostCommand(ids::kCmdSaveNfoDiz);
    app.Settle();
    CHECK_EQ(ReadBytes(folder + "File_ID.diz").value_or("<missing>"), firstDiz);

    // A target that cannot be written keeps its old content whole, no partial or temporary
    // file is left beside it, and the user is told which file and why.
    const std::string nfoPath = folder + "Crew.nfo";
    REQUIRE(WriteFileBytes(nfoPath, "old release text\r\n"));
    SetFileAttributesA(nfoPath.c_str(), FILE_ATTRIBUTE_READONLY);
    app.SetText(ids::kNfoPreview, "new release text\r\n");
    app.PostCommand(ids::kCmdSaveNfoDiz);
    const std::optional<SeenMessageBox> told = app.AnswerNextMessageBox();
    REQUIRE(told.has_value());
    CHECK(told->text.find("Crew.nfo") != std::string::npos);
    CHECK(told->text.find("Read-only") != std::string::npos);
    app.Settle();
    CHECK_EQ(ReadBytes(nfoPath).value_or("<missing>"), std::string("old release text\r\n"));
    CHECK_EQ(FolderEntries(folder), std::string("Crew.nfo | File_ID.diz"));

    // Once writable again, saving replaces it without asking.
    SetFileAttributesA(nfoPath.c_str(), FILE_ATTRIBUTE_NORMAL);
    app.PostCommand(ids::kCmdSaveNfoDiz);
    app.Settle();
    CHECK(app.MessageBoxes().empty());
    CHECK_EQ(ReadBytes(nfoPath).value_or("<missing>"), std::string("new release text\r\n"));
    CHECK_EQ(FolderEntries(folder), std::string("Crew.nfo | File_ID.diz"));
}

}  // namespace
}  // namespace glyphwright::guitest
