#pragma once
// Loading a template file into a document, and reading it raw for the previews.

#include <string>

#include "render/document.h"

namespace glyphwright {

// Reads the file (existing files only, shared with other readers) and replaces the document's
// lines with its lines. When the file cannot be opened (missing, a folder, locked) the
// document stays exactly as it was and the result is false.
bool LoadDocument(Document& document, const std::string& path);

// The file's bytes unchanged; empty when it cannot be opened.
std::string ReadTemplateText(const std::string& path);

}  // namespace glyphwright
