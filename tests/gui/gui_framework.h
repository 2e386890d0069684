#pragma once
// A small scenario runner for the GUI driver: named scenarios, checks that record file:line and
// go on, REQUIRE that abandons the scenario, and polling helpers that wait for the program
// under test with a time limit instead of fixed sleeps.

#include <windows.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace glyphwright::guitest {

struct DriverOptions {
    std::string appPath;       // --app: the Glyphwright.exe to install
    std::string shotsDir;      // --shots: where page screenshots go
    std::string templatesDir;  // --templates: sample templates for scenarios that want them
    std::string filter;        // --filter: run only scenarios whose name contains this
    std::string sevenZipDir;   // --sevenzip: a real 7-Zip (7zG.exe, 7z.exe, 7z.dll) for archive scenarios
    std::string packageDir;    // --package: an unpacked release package for the packaging scenario
    // --bare-prefix: the Wine prefix is undressed (no fonts added); runs only the scenarios
    // named bare_prefix_*, which run nowhere else.
    bool barePrefix = false;
    // --scaled-prefix: the Wine prefix is set to a display scale other than 96 DPI; runs only
    // the scenarios named scaled_prefix_*, which run nowhere else.
    bool scaledPrefix = false;
    // --shard K/N: runs every N-th scenario from the K-th (K counts from 0), so that N drivers,
    // each in its own prefix and display, share the scenarios between them.
    int shard = 0;
    int shardCount = 1;
};

const DriverOptions& Options();
void SetOptions(const DriverOptions& options);

using ScenarioBody = void (*)();

struct ScenarioRegistration {
    ScenarioRegistration(const char* name, ScenarioBody body);
};

// Thrown by REQUIRE to leave the scenario; the runner catches it. It never crosses a Win32
// callback: scenarios run on the driver's own stack.
struct ScenarioAborted {};

void ReportFailure(const char* file, int line, const std::string& message);
void ReportNote(const std::string& message);

// Adds a line of context to every failure reported while it lives (table rows, loop items).
class FailureContext {
public:
    explicit FailureContext(std::string text);
    ~FailureContext();
    FailureContext(const FailureContext&) = delete;
    FailureContext& operator=(const FailureContext&) = delete;
};

inline std::string Describe(const std::string& value) {
    std::string out = "\"";
    for (unsigned char c : value) {
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else if (c == '\t') out += "\\t";
        else if (c < 0x20) {
            char buffer[8];
            wsprintfA(buffer, "\\x%02X", c);
            out += buffer;
        } else out += static_cast<char>(c);
    }
    return out + "\"";
}
inline std::string Describe(const char* value) { return Describe(std::string(value ? value : "")); }
inline std::string Describe(bool value) { return value ? "true" : "false"; }
template <typename T>
std::string Describe(const T& value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

template <typename A, typename E>
bool CheckEqual(const char* file, int line, const char* expression, const A& actual,
                const E& expected) {
    if (actual == expected) return true;
    ReportFailure(file, line,
                  std::string(expression) + ": got " + Describe(actual) + ", expected " +
                      Describe(expected));
    return false;
}

// Time limits only bound waiting for the program; they are never what a check asserts.
constexpr DWORD kPollTimeoutMs = 10000;
constexpr DWORD kPollIntervalMs = 15;

class Deadline {
public:
    explicit Deadline(DWORD milliseconds) : start_(GetTickCount64()), limit_(milliseconds) {}
    bool Passed() const { return GetTickCount64() - start_ >= limit_; }

private:
    ULONGLONG start_;
    ULONGLONG limit_;
};

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kPollTimeoutMs);

// Reads until the value equals `expected` or the time is up; returns the last value read so
// that a failing check can show it.
template <typename Read, typename T>
auto PollUntilEqual(Read read, const T& expected, DWORD timeoutMs = kPollTimeoutMs)
    -> decltype(read()) {
    auto value = read();
    Deadline deadline(timeoutMs);
    while (!(value == expected) && !deadline.Passed()) {
        Sleep(kPollIntervalMs);
        value = read();
    }
    return value;
}

int RunScenarios(const DriverOptions& options);

}  // namespace glyphwright::guitest

#define GUI_SCENARIO(name)                                                                \
    static void GuiScenario_##name();                                                    \
    static const ::glyphwright::guitest::ScenarioRegistration gGuiScenarioRegistration_##name( \
        #name, GuiScenario_##name);                                                      \
    static void GuiScenario_##name()

#define CHECK(condition)                                                                  \
    ((condition) ? true                                                                  \
                 : (::glyphwright::guitest::ReportFailure(__FILE__, __LINE__,            \
                                                          "CHECK(" #condition ")"),      \
                    false))

#define CHECK_EQ(actual, expected) \
    ::glyphwright::guitest::CheckEqual(__FILE__, __LINE__, #actual, (actual), (expected))

// For values the program changes after posted input: polls until equal or the time is up.
#define CHECK_EVENTUALLY_EQ(actual, expected)                                            \
    ::glyphwright::guitest::CheckEqual(                                                  \
        __FILE__, __LINE__, #actual,                                                     \
        ::glyphwright::guitest::PollUntilEqual([&] { return (actual); }, (expected)),    \
        (expected))

#define REQUIRE(condition)                                                                \
    do {                                                                                  \
        if (!(condition)) {                                                               \
            ::glyphwright::guitest::ReportFailure(__FILE__, __LINE__,                    \
                                                  "REQUIRE(" #condition ")");            \
            throw ::glyphwright::guitest::ScenarioAborted{};                              \
        }                                                                                 \
    } while (0)
