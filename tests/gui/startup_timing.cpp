#include "startup_timing.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app_session.h"
#include "gui_framework.h"
#include "release_support.h"

namespace glyphwright::guitest {
namespace {

ULONGLONG Median(std::vector<ULONGLONG> times) {
    std::sort(times.begin(), times.end());
    const size_t n = times.size();
    return n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
}

// One start to the visible window and a close; 0 when it did not start. With
// `openedPreviewMs`, then also the first opening of "Preview NFO", until it shows its text.
ULONGLONG TimeOneStart(const InstallSpec& layout, ULONGLONG* openedPreviewMs = nullptr) {
    AppSession app(layout);
    if (!app.Start()) return 0;
    OutputDebugStringA("glyphwright step: window seen");
    if (openedPreviewMs) {
        const ULONGLONG started = GetTickCount64();
        app.ClickTab(2);  // returns once the program has handled the click and what followed
        *openedPreviewMs = GetTickCount64() - started;
    }
    app.PostClose();
    app.WaitForExit(kPollTimeoutMs);
    return app.StartupMilliseconds();
}

}  // namespace

int MeasureStartup(int runs, const std::string& bareWindowPath, const std::string& templatePath) {
    // An archiver beside the program, so that start-up shows no message box to wait on.
    InstallSpec program;
    program.configuration = "[ARCHIVERS]\r\nWinRaR=WinRAR.exe\r\n";
    program.files = {{"WinRAR.exe", ""}};
    // A template of the user's first in the folder: the one the window loads and shows raw.
    if (!templatePath.empty()) {
        const std::optional<std::string> text = ReadBytes(templatePath);
        if (!text) return 1;
        program.files.push_back({"Templates\\first.nfo", *text});
    }
    InstallSpec bare;
    bare.sourceExe = bareWindowPath;
    std::vector<ULONGLONG> programTimes, bareTimes, previewTimes;
    for (int run = 0; run < runs; ++run) {
        // Alternately, so that both see the same load of a shared machine.
        ULONGLONG previewMs = 0;
        programTimes.push_back(TimeOneStart(program, templatePath.empty() ? nullptr : &previewMs));
        if (!templatePath.empty()) previewTimes.push_back(previewMs);
        if (!bareWindowPath.empty()) bareTimes.push_back(TimeOneStart(bare));
        if (programTimes.back() == 0 || (!bareTimes.empty() && bareTimes.back() == 0)) return 1;
        std::printf("start-up run %d: %llu ms", run + 1, programTimes.back());
        if (!bareTimes.empty()) std::printf(" (bare window %llu ms)", bareTimes.back());
        std::printf("\n");
    }
    if (programTimes.empty()) return 1;
    const ULONGLONG median = Median(programTimes);
    std::printf("start-up: median %llu ms over %zu runs (min %llu, max %llu)\n", median,
                programTimes.size(), *std::min_element(programTimes.begin(), programTimes.end()),
                *std::max_element(programTimes.begin(), programTimes.end()));
    if (!previewTimes.empty()) {
        std::printf("first opening of \"Preview NFO\": median %llu ms\n", Median(previewTimes));
    }
    if (!bareTimes.empty()) {
        const ULONGLONG bareMedian = Median(bareTimes);
        std::printf("bare window start-up: median %llu ms; the program takes %.2fx\n", bareMedian,
                    bareMedian ? static_cast<double>(median) / static_cast<double>(bareMedian) : 0.0);
    }
    return 0;
}

}  // namespace glyphwright::guitest
