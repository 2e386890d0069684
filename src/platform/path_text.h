#pragma once
// Text typed into the form is in the system code page; paths are UTF-8 (see wide_text.h). A
// name from the form becomes part of a path, and a path part of a message, through these. The
// portable build takes bytes as they are on both sides.

#include <string>
#include <string_view>

namespace glyphwright::platform {

std::string PathFromAnsi(std::string_view text);

std::string AnsiFromPath(std::string_view path);

}  // namespace glyphwright::platform
