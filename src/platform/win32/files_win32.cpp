#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/system_error_text.h"
#include "platform/wide_text.h"

namespace glyphwright::platform {
namespace {

// Closes a file handle where it was opened.
class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    bool Close() {
        if (!Valid()) return true;
        const BOOL closed = CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return closed != FALSE;
    }

  private:
    HANDLE handle_;
};

// Switches off the "insert a disk" and "cannot open" system dialogs for the attribute query,
// so a path on an empty removable drive just answers "absent".
class QuietErrorMode {
  public:
    QuietErrorMode() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX)) {}
    ~QuietErrorMode() { SetErrorMode(previous_); }
    QuietErrorMode(const QuietErrorMode&) = delete;
    QuietErrorMode& operator=(const QuietErrorMode&) = delete;

  private:
    UINT previous_;
};

DWORD QuietAttributes(const std::string& path) {
    QuietErrorMode quiet;
    return GetFileAttributesW(WidePath(path).data());
}

HANDLE OpenFile(const std::string& path, DWORD access, DWORD share, DWORD disposition) {
    return CreateFileW(WidePath(path).data(), access, share, nullptr, disposition,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

// A search of the folder for the mask, entry by entry; the names come back in UTF-8.
template <typename Visit>
void ForEachMatch(const std::string& folder, const std::string& mask, Visit visit) {
    std::string pattern = folder;
    if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != '/' &&
        pattern.back() != ':') {
        pattern += '\\';
    }
    pattern += mask;
    WIN32_FIND_DATAW found;
    QuietErrorMode quiet;
    HANDLE search = FindFirstFileW(WidePath(pattern).data(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (!visit(found)) break;
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk =
            bytes.size() > 0x10000000u ? 0x10000000u : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

FileStatus FromLastError(DWORD code) {
    struct Meaning {
        DWORD code;
        FileError error;
    };
    static const Meaning kMeanings[] = {
        {ERROR_FILE_NOT_FOUND, FileError::NotFound},
        {ERROR_PATH_NOT_FOUND, FileError::NotFound},
        {ERROR_INVALID_DRIVE, FileError::NotFound},
        {ERROR_DIRECTORY, FileError::NotAFolder},
        {ERROR_ACCESS_DENIED, FileError::AccessDenied},
        {ERROR_SHARING_VIOLATION, FileError::AccessDenied},
        {ERROR_LOCK_VIOLATION, FileError::AccessDenied},
        {ERROR_WRITE_PROTECT, FileError::ReadOnly},
        {ERROR_FILENAME_EXCED_RANGE, FileError::NameTooLong},
        {ERROR_BUFFER_OVERFLOW, FileError::NameTooLong},
        {ERROR_CANT_RESOLVE_FILENAME, FileError::LinkLoop},
        {ERROR_DISK_FULL, FileError::DiskFull},
        {ERROR_HANDLE_DISK_FULL, FileError::DiskFull},
    };
    for (const Meaning& meaning : kMeanings) {
        if (meaning.code == code) return {meaning.error, static_cast<int>(code)};
    }
    return {FileError::Other, static_cast<int>(code)};
}

FileStatus LastFailure() { return FromLastError(GetLastError()); }

// True when a part of the path is longer than any file system takes (255 characters).
bool HasOverlongPart(const std::string& path) {
    const WideText wide = Widen(path);
    std::size_t run = 0;
    for (const wchar_t c : wide) {
        run = (c == L'\\' || c == L'/' || c == L'\0') ? 0 : run + 1;
        if (run > 255) return true;
    }
    return false;
}

// Windows answers "path not found" also when a part of the path is a file: look for one. A
// long path reaches the file system whole, and a part too long for it is "not found" there.
FileStatus OpenFailure(const std::string& path) {
    const FileStatus status = LastFailure();
    if (status.error != FileError::NotFound) return status;
    if (HasOverlongPart(path)) return {FileError::NameTooLong, ERROR_FILENAME_EXCED_RANGE};
    std::string folder = FolderPart(path);
    while (folder.size() > 1) {
        folder.pop_back();
        const DWORD attributes = QuietAttributes(folder);
        if (attributes != INVALID_FILE_ATTRIBUTES) {
            if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
                return {FileError::NotAFolder, ERROR_DIRECTORY};
            break;
        }
        folder = FolderPart(folder);
    }
    return status;
}

FileStatus WriteThrough(HANDLE file, std::string_view bytes) {
    if (!WriteAll(file, bytes)) return LastFailure();
    return {};
}

}  // namespace

// The executable's path in UTF-8: through the ANSI call a folder named outside the system code
// page came back with '?' in it, and nothing beside the program could be found.
std::string ModulePath() {
    WideText path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return std::string();
        // A full buffer means the name may have been cut; try again with more room.
        if (length < path.size()) return Narrow(path.data(), static_cast<int>(length));
        if (path.size() >= 32768) return std::string();
        path.resize(path.size() * 2);
    }
}

std::string SystemErrorText(int systemCode) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(systemCode), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string result = Narrow(text, text ? static_cast<int>(length) : 0);
    if (text) LocalFree(text);
    while (!result.empty() &&
           (result.back() == '\r' || result.back() == '\n' || result.back() == '.')) {
        result.pop_back();
    }
    return result;
}

int LastSystemError() { return static_cast<int>(GetLastError()); }

bool FileExists(const std::string& path) {
    const DWORD attributes = QuietAttributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool IsRegularFile(const std::string& path) {
    const DWORD attributes = QuietAttributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE)) == 0;
}

bool IsReadOnlyFile(const std::string& path) {
    const DWORD attributes = QuietAttributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
           (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool DirectoryExists(const std::string& path) {
    const DWORD attributes = QuietAttributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool CreateOneDirectory(const std::string& path) {
    return CreateDirectoryW(WidePath(path).data(), nullptr) != FALSE;
}

FileStatus CreateFolder(const std::string& path) {
    if (!CreateOneDirectory(path)) return OpenFailure(path);
    return {};
}

bool DeleteOneFile(const std::string& path) {
    return DeleteFileW(WidePath(path).data()) != FALSE;
}

bool RemoveEmptyFolder(const std::string& path) {
    return RemoveDirectoryW(WidePath(path).data()) != FALSE;
}

FileStatus RenameFile(const std::string& from, const std::string& to, bool replace) {
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
    if (!MoveFileExW(WidePath(from).data(), WidePath(to).data(), flags)) return OpenFailure(to);
    return {};
}

std::vector<std::string> ListFiles(const std::string& folder, const std::string& mask) {
    std::vector<std::string> names;
    // What the list box's own directory listing leaves out: folders, hidden and system files.
    constexpr DWORD kLeftOut =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    ForEachMatch(folder, mask, [&names](const WIN32_FIND_DATAW& found) {
        if ((found.dwFileAttributes & kLeftOut) == 0) names.push_back(Narrow(found.cFileName));
        return true;
    });
    return names;
}

bool ReadWholeFile(const std::string& path, std::string& bytes, std::size_t limit) {
    FileHandle file(OpenFile(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING));
    if (!file.Valid()) return false;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 ||
        static_cast<std::uint64_t>(size.QuadPart) > static_cast<std::uint64_t>(limit)) {
        return false;
    }
    std::string content(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t filled = 0;
    while (filled < content.size()) {
        const std::size_t left = content.size() - filled;
        const DWORD chunk = left > 0x10000000u ? 0x10000000u : static_cast<DWORD>(left);
        DWORD got = 0;
        if (!ReadFile(file.Get(), &content[filled], chunk, &got, nullptr)) return false;
        if (got == 0) break;  // the file shrank while we read it: keep what was there
        filled += got;
    }
    content.resize(filled);
    bytes.swap(content);
    return true;
}

FileStatus ReadFileUpTo(const std::string& path, std::size_t limit, std::string& bytes) {
    if (DirectoryExists(path)) return {FileError::IsAFolder, ERROR_DIRECTORY};
    FileHandle file(OpenFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING));
    if (!file.Valid()) return OpenFailure(path);
    std::string content;
    char chunk[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.Get(), chunk, sizeof chunk, &got, nullptr)) {
            // A pipe whose writer has finished ends this way rather than with zero bytes.
            if (GetLastError() == ERROR_BROKEN_PIPE) break;
            return LastFailure();
        }
        if (got == 0) break;
        if (got > limit - content.size()) return {FileError::TooLarge, 0};
        content.append(chunk, got);
    }
    bytes.swap(content);
    return {};
}

bool WriteFileReplacing(const std::string& path, std::string_view bytes) {
    return ReplaceFileWhole(path, bytes).Ok();
}

FileStatus WriteTemporaryBeside(const std::string& target, std::string_view bytes,
                                std::string& temporary) {
    // The temporary file sits in the target's folder so the final move is a rename on one
    // volume, never a copy that could stop half-way.
    const std::string folder = FolderPart(target);
    HANDLE handle = INVALID_HANDLE_VALUE;
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100 && handle == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = folder + ReplacingTemporaryName(GetCurrentProcessId(), ++counter);
        handle = OpenFile(temporary, GENERIC_WRITE, 0, CREATE_NEW);
        if (handle == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS &&
            GetLastError() != ERROR_ALREADY_EXISTS) {
            return OpenFailure(temporary);
        }
    }
    if (handle == INVALID_HANDLE_VALUE) return LastFailure();

    FileHandle file(handle);
    FileStatus status;
    if (!WriteAll(file.Get(), bytes) || !FlushFileBuffers(file.Get())) status = LastFailure();
    if (!file.Close() && status.Ok()) status = LastFailure();
    if (!status.Ok()) DeleteOneFile(temporary);
    return status;
}

FileStatus ReplaceFileWhole(const std::string& path, std::string_view bytes) {
    const DWORD targetAttributes = QuietAttributes(path);
    if (targetAttributes != INVALID_FILE_ATTRIBUTES) {
        if (targetAttributes & FILE_ATTRIBUTE_DIRECTORY)
            return {FileError::IsAFolder, ERROR_DIRECTORY};
        if (targetAttributes & FILE_ATTRIBUTE_READONLY)
            return {FileError::ReadOnly, ERROR_ACCESS_DENIED};
    }
    std::string temporary;
    FileStatus status = WriteTemporaryBeside(path, bytes, temporary);
    if (!status.Ok()) return status;
    status = RenameFile(temporary, path, true);
    if (!status.Ok()) DeleteOneFile(temporary);
    return status;
}

FileStatus WriteOutputFile(const std::string& path, std::string_view bytes) {
    const DWORD attributes = QuietAttributes(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return {FileError::IsAFolder, ERROR_DIRECTORY};
    }
    // A device ("NUL", "CON", a pipe) is no file on a disk; a symbolic link is followed to its
    // target. Both are written through; only a plain file is replaced by renaming onto it.
    const bool link =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
    FileHandle existing(OpenFile(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING));
    if (existing.Valid() && (link || GetFileType(existing.Get()) != FILE_TYPE_DISK)) {
        if (link && !SetEndOfFile(existing.Get())) return LastFailure();
        const FileStatus status = WriteThrough(existing.Get(), bytes);
        if (!existing.Close() && status.Ok()) return LastFailure();
        return status;
    }
    existing.Close();
    return ReplaceFileWhole(path, bytes);
}

namespace {

// This program saves on its one thread, so its own temporary files are never in use here.
bool WriterIsRunning(unsigned long processId) {
    if (processId == GetCurrentProcessId()) return false;
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
}

}  // namespace

void RemoveStaleTemporaries(const std::string& folder) {
    std::string prefix = folder;
    if (!prefix.empty() && prefix.back() != '\\' && prefix.back() != '/' && prefix.back() != ':') {
        prefix += '\\';
    }
    ForEachMatch(folder, "~gw*.tmp", [&prefix](const WIN32_FIND_DATAW& found) {
        unsigned long processId = 0;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
            IsReplacingTemporaryName(Narrow(found.cFileName), processId) &&
            !WriterIsRunning(processId)) {
            DeleteOneFile(prefix + Narrow(found.cFileName));
        }
        return true;
    });
}

bool FolderHasMatch(const std::string& folder, const std::string& mask) {
    bool match = false;
    ForEachMatch(folder, mask, [&match](const WIN32_FIND_DATAW& found) {
        match = wcscmp(found.cFileName, L".") != 0 && wcscmp(found.cFileName, L"..") != 0;
        return !match;
    });
    return match;
}

}  // namespace glyphwright::platform
