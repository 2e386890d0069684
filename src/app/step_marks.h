#pragma once
// Marks for timing the program from outside: each names a step of start-up or of a command
// that has just ended ("...: start" marks where a command begins). They go to the system's debug-output channel, which costs next to
// nothing when nobody listens; under Wine, WINEDEBUG=+timestamp,+debugstr prints them with the
// time, and scripts/measure turns them into where the time goes.

#include <windows.h>

#include <string>

namespace glyphwright {

inline void MarkStep(const char* step) {
    OutputDebugStringA((std::string("glyphwright step: ") + step).c_str());
}

}  // namespace glyphwright
