#pragma once
// Starting an outside program and waiting for it.

#include <string>

namespace glyphwright::platform {

// Starts the command line in a new console window shown normally, with the program's own
// environment and current folder, and waits until the process has ended, however long that
// takes. False when the process could not be created (where there is no way to start a
// Windows program, always false).
bool StartProcessAndWait(const std::string& commandLine);

}  // namespace glyphwright::platform
