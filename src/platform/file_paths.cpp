#include "platform/files.h"

namespace glyphwright::platform {

std::string FolderPart(std::string_view path) {
    const std::size_t last = path.find_last_of(":\\/");
    if (last == std::string_view::npos) return std::string();
    return std::string(path.substr(0, last + 1));
}

}  // namespace glyphwright::platform
