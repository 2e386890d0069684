#pragma once
// Reading the command's inputs and writing its outputs, with messages that name the file and
// what went wrong.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace glyphwright::cli {

// Inputs larger than this are refused rather than risking the machine's memory: a template
// or project is a few kilobytes, and even generated ones stay far below.
inline constexpr std::size_t kMaxInputBytes = std::size_t(256) << 20;

// What a command writes is capped the same way: text blocks repeat the lines that hold them,
// so a long block over many lines could otherwise fill the memory.
inline constexpr std::size_t kMaxOutputBytes = kMaxInputBytes;

// Reads the file once, whole ("-" is standard input); more than `limit` bytes (counted as
// they come, so a device or a pipe is capped too) is refused.
bool ReadInput(const std::string& path, std::size_t limit, std::string& bytes, std::string& error);
bool ReadInput(const std::string& path, std::string& bytes, std::string& error);  // templates' cap

// Creates the folder and the missing folders above it, naming in `made` those it created,
// deepest first. False with the reason when one cannot be made or a file stands in the way;
// what was made is then removed again.
bool MakeFolders(const std::string& folder, std::vector<std::string>& made, std::string& error);

// Removes the folders MakeFolders made, as far as they are still empty.
void RemoveFolders(std::vector<std::string>& made);

// Writes the bytes to the file, replacing a regular file whole and writing through to a device,
// a pipe or a link's target, or to standard output for "-" or an empty path. Missing folders
// above the file are made (and removed again when the write fails). Standard output is
// switched to binary so CR LF is written as it is.
bool WriteOutput(const std::string& path, std::string_view bytes, std::string& error);

// What the command asks of the team name beyond the window's file name rule
// (output/file_name_rule.h), which comes first: not empty, since the NFO needs a name here,
// and short enough for a name. False with the reason.
bool UsableFileName(std::string_view name, std::string& why);

// A path as a message shows it: whole when it has a usual length, otherwise its start and its
// end around the number of bytes left out, so that a message stays one short line.
std::string ShownPath(std::string_view path);

// Joins a folder and a file name with the platform's separator.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace glyphwright::cli
