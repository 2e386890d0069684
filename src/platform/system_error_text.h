#pragma once
// The system's own words for an error code (errno, or GetLastError() on Windows), for the
// reasons FileError does not name. One implementation per platform.

#include <string>

namespace glyphwright::platform {

std::string SystemErrorText(int systemCode);

// The code the last failed system call left (GetLastError(), or errno).
int LastSystemError();

}  // namespace glyphwright::platform
