#pragma once
// Files and folders, each opened and closed within one call. Paths are UTF-8 (wide_text.h,
// path_text.h); failures come back as false or as a FileStatus that names the reason, and the
// caller decides what the user is told.

#include <string>
#include <string_view>
#include <vector>

namespace glyphwright::platform {

// The separator the program puts between folder names. Windows paths are built with '\'; the
// portable build keeps the same code working on POSIX paths.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The running executable's whole path; empty when the system does not tell it.
std::string ModulePath();

// The folder of the running executable, ending with a separator.
std::string StartFolder();

// The running executable's file name without its folder ("Glyphwright.exe").
std::string ExecutableFileName();

// True when the path's attributes can be read and it is not a folder.
bool FileExists(const std::string& path);

// True when the path itself is a plain file: not a folder, a device, a pipe or a link.
bool IsRegularFile(const std::string& path);

// True when the path is a file that may not be written (on POSIX: one without any write
// permission, which a rename would still replace).
bool IsReadOnlyFile(const std::string& path);

// True when the path exists and is a folder. An empty removable drive answers false without
// a system dialog.
bool DirectoryExists(const std::string& path);

// Creates one folder level; the parent must exist.
bool CreateOneDirectory(const std::string& path);

// Reads an existing file whole, letting other readers share it. A file of more than `limit`
// bytes is not read and counts as unreadable. On failure `bytes` keeps what it held.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::size_t limit);

// Replaces the file's content with `bytes` so that the old content stays whole until the new
// content is safely on disk: a failed or short write never leaves a truncated or empty file
// where a good one stood. A read-only target is left alone and the call fails.
bool WriteFileReplacing(const std::string& path, std::string_view bytes);

// Why a file operation failed, in the terms a message to the user needs.
enum class FileError {
    None,
    NotFound,    // no such file or folder
    NotAFolder,  // a part of the path is a file
    IsAFolder,
    AccessDenied,  // no permission, or in use by another program
    ReadOnly,
    NameTooLong,
    LinkLoop,  // symbolic links that lead round in a circle
    DiskFull,
    TooLarge,  // more bytes than the caller allows
    Other,
};

struct FileStatus {
    FileError error = FileError::None;
    int systemCode = 0;  // errno or GetLastError(), to name a reason the list above lacks
    bool Ok() const { return error == FileError::None; }
};

// The reason in a few words, to follow the file's name in a message ("no such file or folder").
std::string DescribeFileStatus(const FileStatus& status);

// Reads a file whole, or refuses with TooLarge once more than `limit` bytes have come: the
// bytes read are counted, not the size the file system reports, which a device or a pipe does
// not know. Reads it exactly once, so a pipe or a FIFO works too. On failure `bytes` keeps what
// it held.
FileStatus ReadFileUpTo(const std::string& path, std::size_t limit, std::string& bytes);

// CreateOneDirectory with the reason of a failure.
FileStatus CreateFolder(const std::string& path);

// WriteFileReplacing with the reason of a failure.
FileStatus ReplaceFileWhole(const std::string& path, std::string_view bytes);

// Deletes one file; false when it could not.
bool DeleteOneFile(const std::string& path);

// Removes a folder if it is empty; false when it was not removed.
bool RemoveEmptyFolder(const std::string& path);

// Renames a file on its volume, written through; with `replace` it takes the place of an
// existing file, without it an existing target makes the call fail.
FileStatus RenameFile(const std::string& from, const std::string& to, bool replace);

// Writes the bytes into a new temporary file ("~gw<process id>-<n>.tmp") in the folder of
// `target`, flushed and closed; `temporary` receives its path. On failure nothing is left.
FileStatus WriteTemporaryBeside(const std::string& target, std::string_view bytes,
                                std::string& temporary);

// The names of the plain files in the folder that match the wildcard mask ("*.nfo"), in the
// order the system lists them: no folders, no hidden or system files.
std::vector<std::string> ListFiles(const std::string& folder, const std::string& mask);

// Writes a command's output file. A regular file, or a name not taken yet, is replaced whole
// (ReplaceFileWhole). Anything else the name stands for cannot be replaced by renaming onto it
// and is written through as it stands: a device, a pipe or FIFO, and a symbolic link, whose
// target gets the bytes and which stays a link.
FileStatus WriteOutputFile(const std::string& path, std::string_view bytes);

// WriteFileReplacing writes into "~gw<process id>-<n>.tmp" (both hexadecimal) beside the
// target and renames it over the target when whole.
std::string ReplacingTemporaryName(unsigned long processId, unsigned number);
// True for a name of exactly that pattern; `processId` receives the process id it names.
bool IsReplacingTemporaryName(std::string_view name, unsigned long& processId);

// Deletes the temporary files of WriteFileReplacing in the folder that no running writer
// owns: an interrupted save leaves one behind, and whatever packs the folder would take it.
void RemoveStaleTemporaries(const std::string& folder);

// True when the folder holds an entry, file or sub-folder, whose name matches the wildcard
// mask ("*.nfo"); "." and ".." do not count.
bool FolderHasMatch(const std::string& folder, const std::string& mask);

// The part of a path up to and including its last separator ('\', '/' or ':'); empty when it
// holds none.
std::string FolderPart(std::string_view path);

}  // namespace glyphwright::platform
