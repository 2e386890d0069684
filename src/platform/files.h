#pragma once
// Files and folders, each opened and closed within one call. Failures come back as false and
// are never reported to the user: the program's commands stay silent about the file system.

#include <string>
#include <string_view>

namespace glyphwright::platform {

// The separator the program puts between folder names. Windows paths are built with '\'; the
// portable build keeps the same code working on POSIX paths.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The folder of the running executable, ending with a separator.
std::string StartFolder();

// The running executable's file name without its folder ("Glyphwright.exe").
std::string ExecutableFileName();

// The same name without its extension ("Glyphwright").
std::string ExecutableBaseName();

// True when the path's attributes can be read and it is not a folder.
bool FileExists(const std::string& path);

// True when the path exists and is a folder. An empty removable drive answers false without
// a system dialog.
bool DirectoryExists(const std::string& path);

// Creates one folder level; the parent must exist.
bool CreateOneDirectory(const std::string& path);

// Reads an existing file whole, letting other readers share it. On failure `bytes` keeps what
// it held.
bool ReadWholeFile(const std::string& path, std::string& bytes);

// Replaces the file's content with `bytes` so that the old content stays whole until the new
// content is safely on disk: a failed or short write never leaves a truncated or empty file
// where a good one stood. A read-only target is left alone and the call fails.
bool WriteFileReplacing(const std::string& path, std::string_view bytes);

// True when the folder holds an entry, file or sub-folder, whose name matches the wildcard
// mask ("*.nfo"); "." and ".." do not count.
bool FolderHasMatch(const std::string& folder, const std::string& mask);

// The part of a path up to and including its last separator ('\', '/' or ':'); empty when it
// holds none.
std::string FolderPart(std::string_view path);

}  // namespace glyphwright::platform
