#pragma once
// A template or rendering as a list of lines without their line breaks.

#include <string>
#include <string_view>
#include <vector>

namespace glyphwright {

using Document = std::vector<std::string>;

// Splits a template file's bytes into lines. A CR ends a line and an LF directly after it
// belongs to that break; a lone LF is an ordinary character. A break at the very end makes no
// empty last line. A NUL cuts its line short, and one at the start of a line ends the document.
Document ParseDocument(std::string_view bytes);

// The lines in order, each followed by CR LF, the last one too.
std::string DocumentText(const Document& document);

}  // namespace glyphwright
