// gui_tests.exe --app PATH\Glyphwright.exe --shots DIR [--templates DIR] [--sevenzip DIR]
//               [--package DIR] [--filter TEXT] [--bare-prefix | --scaled-prefix] [--shard K/N]
// gui_tests.exe --app PATH\Glyphwright.exe --startup-runs N [--bare-window PATH\bare_window.exe]
//               [--startup-template PATH\first.nfo]
//               (start-up time, not a test)

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "gui_framework.h"
#include "startup_timing.h"

namespace {

void PrintUsage() {
    std::printf(
        "usage: gui_tests.exe --app PATH\\Glyphwright.exe --shots DIR [--templates DIR] "
        "[--sevenzip DIR] [--package DIR] [--filter TEXT] [--bare-prefix | --scaled-prefix] [--shard K/N]\n"
        "       gui_tests.exe --app PATH\\Glyphwright.exe --startup-runs N [--bare-window PATH]\n"
        "                     [--startup-template PATH]\n");
}

}  // namespace

int main(int argc, char** argv) {
    glyphwright::guitest::DriverOptions options;
    std::string startupRuns;
    std::string shard;
    std::string bareWindow;
    std::string startupTemplate;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (std::strcmp(argument, "--bare-prefix") == 0) {
            options.barePrefix = true;
            continue;
        }
        if (std::strcmp(argument, "--scaled-prefix") == 0) {
            options.scaledPrefix = true;
            continue;
        }
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        std::string* target = nullptr;
        if (std::strcmp(argument, "--app") == 0) target = &options.appPath;
        else if (std::strcmp(argument, "--shots") == 0) target = &options.shotsDir;
        else if (std::strcmp(argument, "--templates") == 0) target = &options.templatesDir;
        else if (std::strcmp(argument, "--filter") == 0) target = &options.filter;
        else if (std::strcmp(argument, "--sevenzip") == 0) target = &options.sevenZipDir;
        else if (std::strcmp(argument, "--package") == 0) target = &options.packageDir;
        else if (std::strcmp(argument, "--startup-runs") == 0) target = &startupRuns;
        else if (std::strcmp(argument, "--shard") == 0) target = &shard;
        else if (std::strcmp(argument, "--bare-window") == 0) target = &bareWindow;
        else if (std::strcmp(argument, "--startup-template") == 0) target = &startupTemplate;
        if (!target || !value) {
            PrintUsage();
            return 2;
        }
        *target = value;
        ++i;
    }
    if (!shard.empty() && (std::sscanf(shard.c_str(), "%d/%d", &options.shard, &options.shardCount) != 2 ||
                           options.shardCount < 1 || options.shard < 0 ||
                           options.shard >= options.shardCount)) {
        PrintUsage();
        return 2;
    }
    if (options.appPath.empty()) {
        PrintUsage();
        return 2;
    }
    // A crash in the program under test must not stop the driver with a system dialog.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    // The program is aware of the display's scale; a driver that is not would see its windows
    // through the system's 96-DPI translation of every position and size.
    SetProcessDPIAware();
    if (!startupRuns.empty()) {
        glyphwright::guitest::SetOptions(options);
        return glyphwright::guitest::MeasureStartup(std::atoi(startupRuns.c_str()), bareWindow, startupTemplate);
    }
    return glyphwright::guitest::RunScenarios(options);
}
