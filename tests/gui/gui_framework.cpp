#include "gui_framework.h"

#include <cstdio>
#include <exception>

namespace glyphwright::guitest {
namespace {

struct Scenario {
    const char* name;
    ScenarioBody body;
};

// Function-local statics: registrations run during static initialisation of other files.
std::vector<Scenario>& Registry() {
    static std::vector<Scenario> scenarios;
    return scenarios;
}

std::vector<std::string>& ContextStack() {
    static std::vector<std::string> stack;
    return stack;
}

DriverOptions gOptions;
int gFailuresInScenario = 0;

}  // namespace

const DriverOptions& Options() { return gOptions; }
void SetOptions(const DriverOptions& options) { gOptions = options; }

ScenarioRegistration::ScenarioRegistration(const char* name, ScenarioBody body) {
    Registry().push_back({name, body});
}

void ReportFailure(const char* file, int line, const std::string& message) {
    ++gFailuresInScenario;
    for (const char* p = file; *p; ++p)
        if (*p == '/' || *p == '\\') file = p + 1;
    // One line per failure, context included, so that a grep for FAIL shows all of it.
    std::string context;
    for (const std::string& each : ContextStack()) context += " [while " + each + "]";
    std::printf("  FAIL %s:%d: %s%s\n", file, line, message.c_str(), context.c_str());
    std::fflush(stdout);
}

void ReportNote(const std::string& message) {
    std::printf("  note: %s\n", message.c_str());
    std::fflush(stdout);
}

FailureContext::FailureContext(std::string text) { ContextStack().push_back(std::move(text)); }
FailureContext::~FailureContext() { ContextStack().pop_back(); }

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    Deadline deadline(timeoutMs);
    for (;;) {
        if (condition()) return true;
        if (deadline.Passed()) return false;
        Sleep(kPollIntervalMs);
    }
}

int RunScenarios(const DriverOptions& options) {
    gOptions = options;
    int passed = 0;
    int failed = 0;
    int index = -1;
    for (const Scenario& scenario : Registry()) {
        if (++index % options.shardCount != options.shard) continue;
        const bool forBarePrefix = std::string(scenario.name).rfind("bare_prefix_", 0) == 0;
        const bool forScaledPrefix = std::string(scenario.name).rfind("scaled_prefix_", 0) == 0;
        if (forBarePrefix != options.barePrefix || forScaledPrefix != options.scaledPrefix) continue;
        if (!options.filter.empty() &&
            std::string(scenario.name).find(options.filter) == std::string::npos)
            continue;
        std::printf("[ RUN  ] %s\n", scenario.name);
        std::fflush(stdout);
        gFailuresInScenario = 0;
        ContextStack().clear();
        const ULONGLONG started = GetTickCount64();
        try {
            scenario.body();
        } catch (const ScenarioAborted&) {
            std::printf("  (scenario abandoned)\n");
        } catch (const std::exception& error) {
            ReportFailure(__FILE__, __LINE__, std::string("exception: ") + error.what());
        }
        const bool ok = gFailuresInScenario == 0;
        std::printf("[ %s ] %s (%llu ms)\n", ok ? " OK " : "FAIL", scenario.name,
                    static_cast<unsigned long long>(GetTickCount64() - started));
        std::fflush(stdout);
        (ok ? passed : failed)++;
    }
    std::printf("gui: %d passed, %d failed\n", passed, failed);
    std::fflush(stdout);
    return failed == 0 && passed > 0 ? 0 : 1;
}

}  // namespace glyphwright::guitest
