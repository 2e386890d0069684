#pragma once
// The release folder beside the executable and the files in it, built by plain concatenation:
// nothing is trimmed, quoted or checked.

#include <string>
#include <string_view>

namespace glyphwright {

// False when a name put into a path could leave the release folder: it holds "..", a folder
// separator ('\\' or '/') or a drive colon. Names come from project files that people pass
// around, so Name {A} and Team Name {F} are checked before anything is written.
bool StaysInReleaseFolder(std::string_view name);

// Start folder + "Release".
std::string OutputRoot(std::string_view startFolder);

// Start folder + "Release" + separator + Name {A} (no trailing separator). An empty name gives
// a doubled separator, which the platform reads as one: the output root itself.
std::string ReleaseFolder(std::string_view startFolder, std::string_view name);

// Release folder + separator + Team Name {F} + ".nfo".
std::string NfoFilePath(std::string_view releaseFolder, std::string_view teamName);

// Release folder + separator + "File_ID.diz".
std::string DizFilePath(std::string_view releaseFolder);

}  // namespace glyphwright
