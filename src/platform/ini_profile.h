#pragma once
// INI files through the platform's profile functions (GetPrivateProfileStringA,
// GetPrivateProfileSectionA, GetPrivateProfileIntA, WritePrivateProfileStringA), one value or
// one section per call, never cached. The portable build gives the same answers through
// ProfileText (platform/profile_text.h).

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace glyphwright::platform {

// The buffers the program has always read with: 4095 characters of a value, 32767 - 2 of a
// whole section.
inline constexpr std::size_t kProfileValueBuffer = 4096;
inline constexpr std::size_t kProfileSectionBuffer = 32767;

// One value, cut to bufferSize - 1 characters. A missing key (or a line without '=') gives
// the default, which the platform gives back without its trailing blanks and without one
// pair of surrounding quotes.
std::string ReadProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& defaultValue,
                              std::size_t bufferSize = kProfileValueBuffer);

// Asks ReadProfileValue for the whole value, however long.
inline constexpr std::size_t kWholeValue = 0;

// One value, cut as a buffer of bufferSize characters cuts it, or whole; nothing when the key
// is missing, has no '=', or the file cannot be read.
std::optional<std::string> ReadProfileValue(const std::string& path, const std::string& section,
                                            const std::string& key,
                                            std::size_t bufferSize = kWholeValue);

// One value, however long; the default exactly as given when the key is missing.
std::string ReadProfileStringWhole(const std::string& path, const std::string& section,
                                   const std::string& key, const std::string& defaultValue);

// The lines of one section in file order ("name=value", or the whole line when it has no
// '='), without blank and comment lines, cut as a buffer of bufferSize characters cuts them.
std::vector<std::string> ReadProfileSectionLines(const std::string& path, const std::string& section,
                                                 std::size_t bufferSize = kProfileSectionBuffer);

// The value as a number; the default when the key is missing or its value is empty. A value
// that does not begin with a number reads as 0.
int ReadProfileInt(const std::string& path, const std::string& section, const std::string& key,
                   int defaultValue);

// Sets one value, creating the file, the section or the key as needed; every other section
// and key stays as it was. False when the file could not be written.
bool WriteProfileValue(const std::string& path, const std::string& section,
                        const std::string& key, const std::string& value);

}  // namespace glyphwright::platform
