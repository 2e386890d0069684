#include <cerrno>

#include "platform/process.h"

namespace glyphwright::platform {

// The archivers are Windows programs; here they cannot be started.
int StartProcessAndWait(const std::string&) { return ENOEXEC; }

}  // namespace glyphwright::platform
