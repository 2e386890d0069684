#pragma once
// Starting an outside program and waiting for it.

#include <string>

namespace glyphwright::platform {

// Starts the command line in a new console window shown normally, with the program's own
// environment and current folder, and waits until the process has ended, however long that
// takes. The command line is UTF-8. Answers 0, or the system's error code when the process
// could not be created (where there is no way to start a Windows program, always an error).
int StartProcessAndWait(const std::string& commandLine);

}  // namespace glyphwright::platform
