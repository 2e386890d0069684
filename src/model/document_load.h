#pragma once
// Loading a template file into a document, and reading it raw for the previews.

#include <cstddef>
#include <string>

#include "render/document.h"

namespace glyphwright {

// A template file larger than this reads as one that cannot be opened. Real templates are a
// few kilobytes; far bigger files would keep the previews laying out text for many seconds,
// and in 32 bits could exhaust the memory the program needs.
inline constexpr std::size_t kMaxTemplateBytes = std::size_t(16) << 20;

// Reads the file (existing files only, shared with other readers) and replaces the document's
// lines with its lines. When the file cannot be opened (missing, a folder, locked, too big) the
// document stays exactly as it was and the result is false.
bool LoadDocument(Document& document, const std::string& path);

// The file's bytes unchanged; empty when it cannot be opened (as above).
std::string ReadTemplateText(const std::string& path);

}  // namespace glyphwright
