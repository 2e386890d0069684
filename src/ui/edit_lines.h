#pragma once
// The lines of a multi-line edit as the edit itself shows them: a paragraph wider than the
// box counts as the several lines it is wrapped into.

#include <string>
#include <vector>

#include "ui/edit.h"

namespace glyphwright::ui {

// Every displayed line in order, without line breaks, in the given code page (the system's
// ANSI one by default). An empty edit has one empty line, and a text that ends with a line
// break has an empty last line.
std::vector<std::string> DisplayedLines(const Edit& edit, unsigned codePage = CP_ACP);

}  // namespace glyphwright::ui
