#pragma once
// The words of a failed save or start, for a message box: what could not be done, the file or
// folder it concerns, the reason in the program's words and the system's, and what became of
// the command. UTF-8, like the paths in it.

#include <string>
#include <string_view>

#include "platform/files.h"

namespace glyphwright::platform {

// "<action>\r\n<path>\r\n\r\n<reason>.\r\n\r\n<outcome>"
std::string FailureText(std::string_view action, std::string_view path,
                        const FileStatus& status, std::string_view outcome);

// The reason alone: the program's words, and the system's own where it gave a code.
std::string FailureReason(const FileStatus& status);

}  // namespace glyphwright::platform
