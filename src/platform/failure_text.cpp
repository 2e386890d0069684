#include "platform/failure_text.h"

#include "platform/system_error_text.h"

namespace glyphwright::platform {

std::string FailureReason(const FileStatus& status) {
    std::string reason = DescribeFileStatus(status);
    if (status.error != FileError::Other && status.systemCode != 0) {
        const std::string system = SystemErrorText(status.systemCode);
        if (!system.empty() && system != reason) reason += " (" + system + ")";
    }
    if (!reason.empty() && reason.front() >= 'a' && reason.front() <= 'z') reason.front() -= 'a' - 'A';
    return reason;
}

std::string FailureText(std::string_view action, std::string_view path,
                        const FileStatus& status, std::string_view outcome) {
    std::string text(action);
    text += "\r\n";
    text.append(path);
    text += "\r\n\r\n";
    text += FailureReason(status);
    text += ".\r\n\r\n";
    text.append(outcome);
    return text;
}

}  // namespace glyphwright::platform
