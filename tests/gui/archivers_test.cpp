// Archiver detection at start-up: the registry's App Paths values first, the configuration's
// paths only when the registry gave nothing usable, WinRAR preferred, and the one message
// before the window when nothing is found. Real 7-Zip files and the WinRAR stand-in are put
// into a scratch folder and registered for one start each; the prefix is left as it was.

#include <functional>

#include "app/control_ids.h"
#include "app_session.h"
#include "gui_framework.h"
#include "release_support.h"

namespace glyphwright::guitest {
namespace {

constexpr char kNoArchiverText[] =
    "In the system of archivers are not registered!\r\n"
    "Please install WinRar or 7zip, or specify a path\r\n"
    "in the configuration file.";

std::string WithoutFinalSeparator(const std::string& folder) {
    return folder.substr(0, folder.size() - 1);
}

struct Outcome {
    bool winRarEnabled;
    bool winRarChecked;
    bool sevenZipEnabled;
    bool sevenZipChecked;
    bool message;
};

struct DetectionCase {
    const char* what;
    // Installs and registers what the case needs; may return a configuration file.
    std::function<std::optional<std::string>(ArchiverBench&)> setUp;
    Outcome expected;
};

std::string ArchiversSection(const std::string& lines) { return "[ARCHIVERS]\r\n" + lines; }

const DetectionCase kCases[] = {
    {"both registered: both enabled, WinRAR selected",
     [](ArchiverBench& bench) -> std::optional<std::string> {
         bench.Register(ArchiverKind::WinRar, bench.InstallWinRar() + "WinRAR.exe");
         bench.Register(ArchiverKind::SevenZip, bench.InstallSevenZip() + "7zFM.exe");
         return std::nullopt;
     },
     {true, true, true, false, false}},
    {"only 7-Zip registered",
     [](ArchiverBench& bench) -> std::optional<std::string> {
         bench.Register(ArchiverKind::SevenZip, bench.InstallSevenZip() + "7zFM.exe");
         return std::nullopt;
     },
     {false, false, true, true, false}},
    {"7-Zip registered without 7z.dll counts as missing",
     [](ArchiverBench& bench) -> std::optional<std::string> {
         bench.Register(ArchiverKind::SevenZip, bench.InstallSevenZip("Seven Zip", false) + "7zFM.exe");
         return std::nullopt;
     },
     {false, false, false, false, true}},
    {"7-Zip registered as an expandable string is found",
     [](ArchiverBench& bench) -> std::optional<std::string> {
         bench.InstallSevenZip();
         SetEnvironmentVariableA("GW_TEST_ARCHIVERS", WithoutFinalSeparator(bench.Folder()).c_str());
         bench.Register(ArchiverKind::SevenZip, "%GW_TEST_ARCHIVERS%\\Seven Zip\\7zFM.exe",
                        REG_EXPAND_SZ);
         return std::nullopt;
     },
     {false, false, true, true, false}},
    {"7-Zip registered with its path in double quotes is found",
     [](ArchiverBench& bench) -> std::optional<std::string> {
         bench.Register(ArchiverKind::SevenZip, "\"" + bench.InstallSevenZip() + "7zFM.exe\"");
         return std::nullopt;
     },
     {false, false, true, true, false}},
    {"WinRAR registered, 7-Zip only in the configuration: the configuration is not read",
     [](ArchiverBench& bench) -> std::optional<std::string> {
         bench.Register(ArchiverKind::WinRar, bench.InstallWinRar() + "WinRAR.exe");
         return ArchiversSection("7zip=" + bench.InstallSevenZip() + "7zFM.exe\r\n");
     },
     {true, true, false, false, false}},
    {"nothing registered, WinRAR's full path in the configuration",
     [](ArchiverBench& bench) -> std::optional<std::string> {
         return ArchiversSection("WinRaR=" + bench.InstallWinRar() + "WinRAR.exe\r\n");
     },
     {true, true, false, false, false}},
    {"configuration names 7-Zip's folder with a trailing backslash",
     [](ArchiverBench& bench) -> std::optional<std::string> {
         return ArchiversSection("7zip=" + bench.InstallSevenZip() + "\r\n");
     },
     {false, false, true, true, false}},
    {"configuration names 7-Zip's folder without a trailing backslash: its own name is lost",
     [](ArchiverBench& bench) -> std::optional<std::string> {
         return ArchiversSection("7zip=" + WithoutFinalSeparator(bench.InstallSevenZip()) + "\r\n");
     },
     {false, false, false, false, true}},
    {"nothing anywhere",
     [](ArchiverBench&) -> std::optional<std::string> { return std::nullopt; },
     {false, false, false, false, true}},
};

GUI_SCENARIO(archiver_detection_at_start) {
    for (const DetectionCase& c : kCases) {
        FailureContext context(c.what);
        ArchiverBench bench;
        InstallSpec layout;
        layout.configuration = c.setUp(bench);
        {
            AppSession app(layout);
            if (!app.Start()) continue;
            CHECK_EQ(ButtonEnabled(app, ids::ArchiverButtonId(Archiver::WinRar)), c.expected.winRarEnabled);
            CHECK_EQ(ButtonChecked(app, ids::ArchiverButtonId(Archiver::WinRar)), c.expected.winRarChecked);
            CHECK_EQ(ButtonEnabled(app, ids::ArchiverButtonId(Archiver::SevenZip)), c.expected.sevenZipEnabled);
            CHECK_EQ(ButtonChecked(app, ids::ArchiverButtonId(Archiver::SevenZip)), c.expected.sevenZipChecked);
            // The message comes once, before the window is shown, titled like the window.
            const auto& boxes = app.StartupMessageBoxes();
            CHECK_EQ(boxes.size(), size_t(c.expected.message ? 1 : 0));
            if (c.expected.message && boxes.size() == 1) {
                CHECK_EQ(boxes[0].caption, std::string("Glyphwright"));
                CHECK_EQ(boxes[0].text, std::string(kNoArchiverText));
            }
        }
        SetEnvironmentVariableA("GW_TEST_ARCHIVERS", nullptr);
    }
}

// The keys are only read: looking for a missing one creates nothing in the registry.
GUI_SCENARIO(archiver_detection_creates_no_registry_keys) {
    ArchiverBench bench;
    AppSession app;
    REQUIRE(app.Start());
    CHECK_EQ(app.StartupMessageBoxes().size(), size_t(1));
    CHECK(!bench.KeyExists(ArchiverKind::WinRar));
    CHECK(!bench.KeyExists(ArchiverKind::SevenZip));
}

}  // namespace
}  // namespace glyphwright::guitest
