#include "startup_timing.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app_session.h"
#include "gui_framework.h"

namespace glyphwright::guitest {

int MeasureStartup(int runs) {
    std::vector<ULONGLONG> times;
    for (int run = 0; run < runs; ++run) {
        AppSession app;
        if (!app.Start()) return 1;
        times.push_back(app.StartupMilliseconds());
        std::printf("start-up run %d: %llu ms\n", run + 1,
                    static_cast<unsigned long long>(times.back()));
        app.PostClose();
        app.WaitForExit(kPollTimeoutMs);
    }
    if (times.empty()) return 1;
    std::sort(times.begin(), times.end());
    const size_t n = times.size();
    const ULONGLONG median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
    std::printf("start-up: median %llu ms over %zu runs (min %llu, max %llu)\n",
                static_cast<unsigned long long>(median), n,
                static_cast<unsigned long long>(times.front()),
                static_cast<unsigned long long>(times.back()));
    return 0;
}

}  // namespace glyphwright::guitest
