#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/system_error_text.h"

namespace glyphwright::platform {
namespace {

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    bool Valid() const { return fd_ >= 0; }
    int Get() const { return fd_; }
    bool Close() {
        if (fd_ < 0) return true;
        const bool closed = ::close(fd_) == 0;
        fd_ = -1;
        return closed;
    }

  private:
    int fd_;
};

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Wildcard match without regard to ASCII case, as file names match on Windows.
bool WildcardMatch(std::string_view name, std::string_view mask) {
    std::size_t n = 0, m = 0, starMask = std::string_view::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || Lower(mask[m]) == Lower(name[n]))) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (starMask != std::string_view::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*') ++m;
    return m == mask.size();
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

FileStatus FromErrno(int code) {
    struct Meaning {
        int code;
        FileError error;
    };
    static const Meaning kMeanings[] = {
        {ENOENT, FileError::NotFound},    {ENOTDIR, FileError::NotAFolder},
        {EISDIR, FileError::IsAFolder},   {EACCES, FileError::AccessDenied},
        {EPERM, FileError::AccessDenied}, {ETXTBSY, FileError::AccessDenied},
        {EROFS, FileError::ReadOnly},     {ENAMETOOLONG, FileError::NameTooLong},
        {ELOOP, FileError::LinkLoop},     {ENOSPC, FileError::DiskFull},
        {EDQUOT, FileError::DiskFull},    {EFBIG, FileError::DiskFull},
    };
    for (const Meaning& meaning : kMeanings) {
        if (meaning.code == code) return {meaning.error, code};
    }
    return {FileError::Other, code};
}

// Writes straight into what the path names, through any link, creating a link's missing target.
FileStatus WriteThrough(const std::string& path, std::string_view bytes) {
    Descriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (!file.Valid()) return FromErrno(errno);
    if (!WriteAll(file.Get(), bytes)) return FromErrno(errno);
    if (!file.Close()) return FromErrno(errno);
    return {};
}

}  // namespace

std::string ModulePath() {
    std::vector<char> buffer(4096);
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) return std::string();
        if (static_cast<std::size_t>(length) < buffer.size())
            return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

std::string SystemErrorText(int systemCode) { return std::strerror(systemCode); }

int LastSystemError() { return errno; }

bool FileExists(const std::string& path) {
    struct stat info;
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool IsRegularFile(const std::string& path) {
    struct stat info;
    return !path.empty() && ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool IsReadOnlyFile(const std::string& path) {
    struct stat info;
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode) &&
           (info.st_mode & 0222) == 0;
}

bool DirectoryExists(const std::string& path) {
    struct stat info;
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool CreateOneDirectory(const std::string& path) { return ::mkdir(path.c_str(), 0777) == 0; }

FileStatus CreateFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0777) != 0) return FromErrno(errno);
    return {};
}

bool ReadWholeFile(const std::string& path, std::string& bytes, std::size_t limit) {
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.Valid()) return false;
    struct stat info;
    if (::fstat(file.Get(), &info) != 0 || S_ISDIR(info.st_mode)) return false;
    std::string content;
    if (info.st_size > 0 && static_cast<std::uint64_t>(info.st_size) <= limit)
        content.reserve(static_cast<std::size_t>(info.st_size));
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(file.Get(), chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) break;
        if (static_cast<std::size_t>(got) > limit - content.size()) return false;
        content.append(chunk, static_cast<std::size_t>(got));
    }
    bytes.swap(content);
    return true;
}

FileStatus ReadFileUpTo(const std::string& path, std::size_t limit, std::string& bytes) {
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.Valid()) return FromErrno(errno);
    struct stat info;
    if (::fstat(file.Get(), &info) != 0) return FromErrno(errno);
    if (S_ISDIR(info.st_mode)) return {FileError::IsAFolder, EISDIR};
    std::string content;
    if (S_ISREG(info.st_mode) && info.st_size > 0) {
        content.reserve(std::min(static_cast<std::size_t>(info.st_size), limit));
    }
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(file.Get(), chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return FromErrno(errno);
        if (got == 0) break;
        if (static_cast<std::size_t>(got) > limit - content.size()) return {FileError::TooLarge, 0};
        content.append(chunk, static_cast<std::size_t>(got));
    }
    bytes.swap(content);
    return {};
}

bool WriteFileReplacing(const std::string& path, std::string_view bytes) {
    return ReplaceFileWhole(path, bytes).Ok();
}

FileStatus WriteTemporaryBeside(const std::string& target, std::string_view bytes,
                                std::string& temporary) {
    static unsigned counter = 0;
    int created = -1;
    for (int attempt = 0; attempt < 100 && created < 0; ++attempt) {
        temporary = FolderPart(target) +
                    ReplacingTemporaryName(static_cast<unsigned long>(::getpid()), ++counter);
        created = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (created < 0 && errno != EEXIST) return FromErrno(errno);
    }
    Descriptor file(created);
    if (!file.Valid()) return FromErrno(EEXIST);
    // The file takes the target's permissions, or those a new file would get.
    struct stat existing;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const mode_t mode = ::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)
                            ? (existing.st_mode & 07777)
                            : (0666 & ~mask);
    FileStatus status;
    if (::fchmod(file.Get(), mode) != 0 || !WriteAll(file.Get(), bytes) ||
        ::fsync(file.Get()) != 0) {
        status = FromErrno(errno);
    }
    if (!file.Close() && status.Ok()) status = FromErrno(errno);
    if (!status.Ok()) ::unlink(temporary.c_str());
    return status;
}

FileStatus RenameFile(const std::string& from, const std::string& to, bool replace) {
    if (replace) {
        if (::rename(from.c_str(), to.c_str()) != 0) return FromErrno(errno);
        return {};
    }
    // A hard link fails when the target exists, which a plain rename would replace.
    if (::link(from.c_str(), to.c_str()) != 0) return FromErrno(errno);
    ::unlink(from.c_str());
    return {};
}

bool DeleteOneFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

bool RemoveEmptyFolder(const std::string& path) { return ::rmdir(path.c_str()) == 0; }

FileStatus ReplaceFileWhole(const std::string& path, std::string_view bytes) {
    struct stat target;
    const bool exists = ::stat(path.c_str(), &target) == 0;
    if (exists && S_ISDIR(target.st_mode)) return {FileError::IsAFolder, EISDIR};
    // A target without any write permission plays the part of a read-only file on Windows; the
    // rename below would otherwise replace it, even for root.
    if (exists && (target.st_mode & 0222) == 0) return {FileError::ReadOnly, EACCES};
    std::string temporary;
    FileStatus status = WriteTemporaryBeside(path, bytes, temporary);
    if (!status.Ok()) return status;
    status = RenameFile(temporary, path, true);
    if (!status.Ok()) ::unlink(temporary.c_str());
    return status;
}

FileStatus WriteOutputFile(const std::string& path, std::string_view bytes) {
    struct stat entry;
    if (::lstat(path.c_str(), &entry) != 0) {
        if (errno != ENOENT) return FromErrno(errno);
        return ReplaceFileWhole(path, bytes);
    }
    if (S_ISREG(entry.st_mode)) return ReplaceFileWhole(path, bytes);
    if (S_ISDIR(entry.st_mode)) return {FileError::IsAFolder, EISDIR};
    // A link to a folder, or a loop, answers here rather than at the write.
    struct stat target;
    if (::stat(path.c_str(), &target) == 0 && S_ISDIR(target.st_mode)) {
        return {FileError::IsAFolder, EISDIR};
    }
    return WriteThrough(path, bytes);
}

namespace {

bool WriterIsRunning(unsigned long processId) {
    const pid_t id = static_cast<pid_t>(processId);
    if (id == ::getpid() || id <= 0) return false;
    return ::kill(id, 0) == 0 || errno == EPERM;
}

}  // namespace

void RemoveStaleTemporaries(const std::string& folder) {
    DIR* directory = ::opendir(folder.empty() ? "." : folder.c_str());
    if (directory == nullptr) return;
    std::string prefix = folder;
    if (!prefix.empty() && prefix.back() != '/') prefix += '/';
    while (const dirent* entry = ::readdir(directory)) {
        unsigned long processId = 0;
        if (IsReplacingTemporaryName(entry->d_name, processId) && !WriterIsRunning(processId)) {
            ::unlink((prefix + entry->d_name).c_str());
        }
    }
    ::closedir(directory);
}

std::vector<std::string> ListFiles(const std::string& folder, const std::string& mask) {
    std::vector<std::string> names;
    DIR* directory = ::opendir(folder.empty() ? "." : folder.c_str());
    if (directory == nullptr) return names;
    std::string prefix = folder;
    if (!prefix.empty() && prefix.back() != '/') prefix += '/';
    while (const dirent* entry = ::readdir(directory)) {
        const std::string_view name(entry->d_name);
        if (name.empty() || name[0] == '.' || !WildcardMatch(name, mask)) continue;
        struct stat info;
        if (::stat((prefix + entry->d_name).c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
            names.emplace_back(name);
        }
    }
    ::closedir(directory);
    return names;
}

bool FolderHasMatch(const std::string& folder, const std::string& mask) {
    DIR* directory = ::opendir(folder.empty() ? "." : folder.c_str());
    if (directory == nullptr) return false;
    bool match = false;
    while (!match) {
        const dirent* entry = ::readdir(directory);
        if (entry == nullptr) break;
        const std::string_view name(entry->d_name);
        if (name != "." && name != ".." && WildcardMatch(name, mask)) match = true;
    }
    ::closedir(directory);
    return match;
}

}  // namespace glyphwright::platform
