#include "platform/registry.h"

namespace glyphwright::platform {

// There is no registry here: archivers come from the configuration file alone.
std::optional<std::string> ReadAppPath(const std::string&) { return std::nullopt; }

}  // namespace glyphwright::platform
