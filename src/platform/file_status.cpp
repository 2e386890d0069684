#include "platform/files.h"
#include "platform/system_error_text.h"

namespace glyphwright::platform {

std::string DescribeFileStatus(const FileStatus& status) {
    switch (status.error) {
        case FileError::None:
            return "no error";
        case FileError::NotFound:
            return "no such file or folder";
        case FileError::NotAFolder:
            return "a part of the path is a file, not a folder";
        case FileError::IsAFolder:
            return "is a folder, not a file";
        case FileError::AccessDenied:
            return "permission denied, or in use by another program";
        case FileError::ReadOnly:
            return "read-only";
        case FileError::NameTooLong:
            return "the path is too long";
        case FileError::LinkLoop:
            return "too many levels of symbolic links (a link loop)";
        case FileError::DiskFull:
            return "no space left on the disk";
        case FileError::TooLarge:
            return "too large";
        case FileError::Other:
            break;
    }
    const std::string text = SystemErrorText(status.systemCode);
    return text.empty() ? "error " + std::to_string(status.systemCode) : text;
}

}  // namespace glyphwright::platform
