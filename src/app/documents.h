#pragma once
// The program-wide rendering state: the NFO and DIZ documents, which keep their last content
// between "Make" commands, and the single-line values refreshed from the form before each one.

#include "render/document.h"
#include "render/substitution.h"

namespace glyphwright {

class MainWindow;

Document& NfoDocument();
Document& DizDocument();
const FieldTable& FieldValues();

// {A}..{P} as their controls show them; {Q} is File Name + Delimiter + Team, the name the
// release goes out under.
void CollectFieldValues(const MainWindow& window);

}  // namespace glyphwright
