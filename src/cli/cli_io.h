#pragma once
// Reading the command's inputs and writing its outputs, with messages that name the file and
// what went wrong.

#include <cstddef>
#include <string>
#include <string_view>

namespace glyphwright::cli {

// Inputs larger than this are refused rather than risking the machine's memory: a template
// or project is a few kilobytes, and even generated ones stay far below.
inline constexpr std::size_t kMaxInputBytes = std::size_t(256) << 20;

bool ReadInput(const std::string& path, std::string& bytes, std::string& error);

// Writes the bytes to the file, replacing it whole, or to standard output for "-" or an empty
// path. Standard output is switched to binary so CR LF is written as it is.
bool WriteOutput(const std::string& path, std::string_view bytes, std::string& error);

// Joins a folder and a file name with the platform's separator.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace glyphwright::cli
