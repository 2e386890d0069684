#pragma once
// Where the archivers are installed, as their installers register it.

#include <optional>
#include <string>

namespace glyphwright::platform {

// The default value of the program's key under App Paths (HKEY_LOCAL_MACHINE, key
// "SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths\" followed by programName), opened
// read-only: first in the program's own registry view, then, on 64-bit Windows, in the other
// one, so a 32-bit build finds a 64-bit archiver and the reverse. Nothing is created. An
// expandable string has its variables expanded; any other type but a plain string reads as
// empty. Nothing when neither view has the key with a default value (always nothing where
// there is no registry).
std::optional<std::string> ReadAppPath(const std::string& programName);

}  // namespace glyphwright::platform
