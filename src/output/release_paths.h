#pragma once
// The release folder beside the executable and the files in it, built by plain concatenation:
// nothing is trimmed or quoted. The names are checked before (output/file_name_rule.h).

#include <string>
#include <string_view>

namespace glyphwright {

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
