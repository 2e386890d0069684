#include "platform/process.h"

namespace glyphwright::platform {

// The archivers are Windows programs; here they cannot be started.
bool StartProcessAndWait(const std::string&) { return false; }

}  // namespace glyphwright::platform
