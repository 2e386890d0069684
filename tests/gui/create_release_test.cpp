// "Create Release" with a real 7-Zip and with the WinRAR stand-in: the archive's exact name,
// its contents listed by 7-Zip itself, the exact command line, the order when both archivers
// are selected, the message when there is nothing to pack, texts that would split the command
// line, and names that would leave the release folder.

#include "app/control_ids.h"
#include "app_session.h"
#include "gui_framework.h"
#include "release_support.h"

namespace glyphwright::guitest {
namespace {

InstallSpec SpecWithTemplates() {
    InstallSpec layout;
    layout.files = {
        {"Templates\\plain.nfo", "Release {A}\r\nby {F}\r\n"},
        {"Templates\\plain.diz", "DIZ of {A}\r\n"},
    };
    return layout;
}

// Name "Glyph Tool", Team Name "Crew", release type "Retail", package team "TEAM": the
// archive name is "Glyph.Tool" + "." + "Retail" + "-" + "TEAM".
void FillAndSave(AppSession& app) {
    app.SetText(ids::FieldId('A'), "Glyph Tool");
    app.SetText(ids::FieldId('F'), "Crew");
    app.SetText(ids::FieldId('L'), "Retail");
    app.SetText(ids::kPackageTeam, "TEAM");
    CHECK_EQ(app.Text(ids::FieldId('Q')), std::string("Glyph.Tool"));
    CHECK_EQ(app.Text(ids::kDelimiter), std::string("-"));
    CHECK_EQ(app.Text(ids::kSpacer), std::string("."));
    app.PostCommand(ids::kCmdMakeNfo);
    app.PostCommand(ids::kCmdMakeDiz);
    app.PostCommand(ids::kCmdSaveNfoDiz);
    app.Settle();
    // The checks read the saved files straight from disk: wait until the save is there.
    const std::string nfo = app.Folder() + "Release\\Glyph Tool\\Crew.nfo";
    WaitUntil([&] { return !ReadBytes(nfo).value_or("").empty(); }, 10000);
}

std::vector<ArchiveEntry> SavedFiles(const std::string& folder) {
    std::vector<ArchiveEntry> files;
    for (const char* name : {"Crew.nfo", "File_ID.diz"}) {
        files.push_back({name, ReadBytes(folder + name).value_or("").size()});
    }
    return files;
}

// Posts the command and returns once the program is back from the archivers it waited for.
// The archivers run on the program's thread. A first start of 7-Zip in a fresh prefix on a
// loaded machine can outlast one Settle, so wait until the window answers again.
void CreateReleaseAndWait(AppSession& app) {
    app.PostCommand(ids::kCmdCreateRelease);
    WaitUntil(
        [&] {
            DWORD_PTR result = 0;
            return SendMessageTimeoutW(app.Window(), WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result) != 0;
        },
        60000);
    app.Settle();
}

GUI_SCENARIO(create_release_with_real_7zip) {
    ArchiverBench bench;
    bench.Register(ArchiverKind::SevenZip, bench.InstallSevenZip() + "7zFM.exe");
    AppSession app(SpecWithTemplates());
    REQUIRE(app.Start());
    REQUIRE(ButtonChecked(app, ids::ArchiverButtonId(Archiver::SevenZip)));
    FillAndSave(app);
    const std::string folder = app.Folder() + "Release\\Glyph Tool\\";
    const std::vector<ArchiveEntry> saved = SavedFiles(folder);
    REQUIRE(saved[0].size > 0);

    struct Case {
        const char* options;
        const char* archive;
    };
    const Case cases[] = {
        {"a -tzip", "Glyph.Tool.Retail-TEAM.zip"},
        {"a -t7z", "Glyph.Tool.Retail-TEAM.7z"},
        // The extension follows a case-sensitive search; 7-Zip itself takes the switch either way.
        {"a -TZIP", "Glyph.Tool.Retail-TEAM.7z"},
    };
    for (const Case& c : cases) {
        FailureContext context(std::string("7-Zip options ") + Describe(c.options));
        app.SetText(ids::ArchiverOptionsId(Archiver::SevenZip), c.options);
        CreateReleaseAndWait(app);
        CHECK(app.MessageBoxes().empty());
        CHECK_EQ(FolderEntries(folder),
                 std::string("Crew.nfo | File_ID.diz | ") + c.archive);
        CHECK_EQ(ListArchive(folder + c.archive).value_or(std::vector<ArchiveEntry>{}), saved);
        // The next run must not pack this archive along.
        DeleteFileA((folder + c.archive).c_str());
    }
}

GUI_SCENARIO(create_release_with_winrar_command_line) {
    ArchiverBench bench;
    const std::string winRar = bench.InstallWinRar();
    bench.Register(ArchiverKind::WinRar, winRar + "WinRAR.exe");
    AppSession app(SpecWithTemplates());
    REQUIRE(app.Start());
    REQUIRE(ButtonChecked(app, ids::ArchiverButtonId(Archiver::WinRar)));
    FillAndSave(app);
    const std::string folder = app.Folder() + "Release\\Glyph Tool";

    struct Case {
        const char* options;
        const char* parameters;  // after the program path; {F} stands for the release folder
    };
    const Case cases[] = {
        {"a -afzip -ep1", "a -afzip -ep1 \"{F}\\Glyph.Tool.Retail-TEAM.zip\" \"{F}\\*\""},
        {"a", "a \"{F}\\Glyph.Tool.Retail-TEAM.rar\" \"{F}\\*\""},
        {"a -AFZIP", "a -AFZIP \"{F}\\Glyph.Tool.Retail-TEAM.rar\" \"{F}\\*\""},
        // With empty options the parameters are the two quoted paths alone, after one blank.
        {"", " \"{F}\\Glyph.Tool.Retail-TEAM.rar\" \"{F}\\*\""},
    };
    size_t runs = 0;
    for (const Case& c : cases) {
        FailureContext context(std::string("WinRAR options ") + Describe(c.options));
        app.SetText(ids::ArchiverOptionsId(Archiver::WinRar), c.options);
        CreateReleaseAndWait(app);
        const std::vector<WinRarCall> calls = WinRarCalls(winRar);
        REQUIRE(calls.size() == ++runs);
        std::string parameters = c.parameters;
        for (size_t at; (at = parameters.find("{F}")) != std::string::npos;)
            parameters.replace(at, 3, folder);
        // The stand-in's folder holds a blank, so its path comes quoted.
        const std::string expected = "\"" + winRar + "winrar.exe\" " + parameters;
        CHECK_EQ(calls.back().commandLine, expected);
        CHECK_EQ(JoinNames(calls.back().seen), std::string("Crew.nfo | File_ID.diz"));
    }

    // A name that leaves Release\<Name>, or one Windows forbids (a double quote would also end
    // the quoted argument early and hand the archiver arguments nobody wrote), is refused with a
    // box, as Save refuses it, even when it comes back to a folder that holds an NFO; nothing is
    // started.
    app.SetText(ids::ArchiverOptionsId(Archiver::WinRar), "a");
    const int refusedIds[] = {ids::FieldId('A'), ids::kPackageTeam, ids::kPackageTeam};
    const char* const refusedTexts[] = {"Glyph Tool\\..\\Glyph Tool", "..\\..\\TEAM",
                                        "TE\" \"C:\\elsewhere\\*"};
    for (int i = 0; i < 3; ++i) {
        FailureContext context(std::string("refused ") + Describe(refusedTexts[i]));
        app.SetText(ids::FieldId('A'), "Glyph Tool");
        app.SetText(ids::kPackageTeam, "TEAM");
        app.SetText(refusedIds[i], refusedTexts[i]);
        app.PostCommand(ids::kCmdCreateRelease);
        const HWND box = app.WaitForMessageBox();
        REQUIRE(box != nullptr);
        CHECK(GetWindow(box, GW_OWNER) == app.Window());
        const SeenMessageBox seen = AppSession::ReadMessageBox(box);
        CHECK_EQ(seen.caption, std::string("Glyphwright"));
        CHECK(seen.text.find("Nothing was packed") != std::string::npos);
        AppSession::AnswerMessageBox(box);
        CHECK(WaitForWindowGone(box));
        CHECK_EQ(WinRarCalls(winRar).size(), runs);
        CHECK_EQ(FolderEntries(folder + "\\"), std::string("Crew.nfo | File_ID.diz"));
    }
}

GUI_SCENARIO(create_release_both_archivers_from_project) {
    ArchiverBench bench;
    const std::string winRar = bench.InstallWinRar();
    bench.Register(ArchiverKind::WinRar, winRar + "WinRAR.exe");
    bench.Register(ArchiverKind::SevenZip, bench.InstallSevenZip() + "7zFM.exe");
    InstallSpec layout = SpecWithTemplates();
    layout.files.push_back({"Projects\\both.gwp",
                          "[APPLICATION]\r\nName=Both Ways\r\n"
                          "[TEAM]\r\nName=Crew\r\n"
                          "[RELEASE]\r\nType=Retail\r\n"
                          "[RACKAGE]\r\nDelimiter=-\r\nTeam=TEAM\r\nSpacer=_\r\n"
                          "[ARCHIVERS OPTION]\r\nWinrar=a -afzip\r\n7zip=a -t7z\r\n"
                          "[ARCHIVER]\r\nWinRAR=1\r\n7zip=1\r\n"});
    AppSession app(layout);
    REQUIRE(app.Start());
    // Detection selects WinRAR only; the project selects both.
    CHECK(!ButtonChecked(app, ids::ArchiverButtonId(Archiver::SevenZip)));
    app.PostCommand(ids::kCmdOpenProject);
    HWND dialog = WaitForFileDialog(app);
    REQUIRE(dialog != nullptr);
    SubmitFileDialog(app, dialog, app.Folder() + "Projects\\both.gwp");
    CHECK(WaitForWindowGone(dialog));
    app.Settle();
    CHECK_EQ(app.Text(ids::FieldId('Q')), std::string("Both_Ways"));
    CHECK(ButtonChecked(app, ids::ArchiverButtonId(Archiver::WinRar)));
    CHECK(ButtonChecked(app, ids::ArchiverButtonId(Archiver::SevenZip)));

    app.PostCommand(ids::kCmdMakeNfo);
    app.PostCommand(ids::kCmdMakeDiz);
    app.PostCommand(ids::kCmdSaveNfoDiz);
    CreateReleaseAndWait(app);
    const std::string folder = app.Folder() + "Release\\Both Ways\\";
    const std::string archive = "Both_Ways_Retail-TEAM.7z";
    CHECK_EQ(ListArchive(folder + archive).value_or(std::vector<ArchiveEntry>{}), SavedFiles(folder));
    // WinRAR ran once, after 7-Zip had finished: the finished archive was already there.
    const std::vector<WinRarCall> calls = WinRarCalls(winRar);
    REQUIRE(calls.size() == 1);
    CHECK(calls[0].commandLine.find("Both_Ways_Retail-TEAM.zip\"") != std::string::npos);
    CHECK_EQ(JoinNames(calls[0].seen), std::string("Both_Ways_Retail-TEAM.7z | Crew.nfo | File_ID.diz"));
}

GUI_SCENARIO(create_release_without_nfo_asks_for_it) {
    ArchiverBench bench;
    const std::string winRar = bench.InstallWinRar();
    bench.Register(ArchiverKind::WinRar, winRar + "WinRAR.exe");
    AppSession app(SpecWithTemplates());
    REQUIRE(app.Start());
    app.SetText(ids::FieldId('A'), "Unsaved");
    app.SetText(ids::FieldId('F'), "Crew");

    // No release folder; then a folder with a DIZ but no NFO.
    for (int round = 0; round < 2; ++round) {
        FailureContext context(round == 0 ? "no release folder" : "folder without an NFO");
        if (round == 1) {
            CreateDirectoryA((app.Folder() + "Release").c_str(), nullptr);
            CreateDirectoryA((app.Folder() + "Release\\Unsaved").c_str(), nullptr);
            WriteFileBytes(app.Folder() + "Release\\Unsaved\\File_ID.diz", "diz\r\n");
        }
        app.PostCommand(ids::kCmdCreateRelease);
        std::vector<HWND> boxes;
        WaitUntil([&] { return !(boxes = app.MessageBoxes()).empty(); });
        REQUIRE(boxes.size() == 1);
        const SeenMessageBox seen = AppSession::ReadMessageBox(boxes[0]);
        CHECK_EQ(seen.caption, std::string("iNFO"));
        CHECK_EQ(seen.text, std::string("Please!\r\nFirst, create and save NFO/DIZ files."));
        CHECK(GetWindow(boxes[0], GW_OWNER) == app.Window());
        AppSession::AnswerMessageBox(boxes[0], IDOK);
        CHECK(WaitForWindowGone(boxes[0]));
        app.Settle();
        CHECK(WinRarCalls(winRar).empty());
    }

    app.PostCommand(ids::kCmdMakeNfo);
    app.PostCommand(ids::kCmdSaveNfoDiz);
    CreateReleaseAndWait(app);
    CHECK(app.MessageBoxes().empty());
    CHECK_EQ(WinRarCalls(winRar).size(), size_t(1));
}

}  // namespace
}  // namespace glyphwright::guitest
