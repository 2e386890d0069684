#include "platform/path_text.h"

namespace glyphwright::platform {

std::string PathFromAnsi(std::string_view text) { return std::string(text); }

std::string AnsiFromPath(std::string_view path) { return std::string(path); }

}  // namespace glyphwright::platform
