#pragma once
// The program-wide rendering state: the NFO and DIZ documents, which keep their last content
// between "Make" commands, and the one place the window's controls are read for a rendering.

#include "model/render_pipeline.h"
#include "render/document.h"

namespace glyphwright {

class MainWindow;

Document& NfoDocument();
Document& DizDocument();

// The record as its controls show it, for the length of one command: the single-line values
// ({Q} as File Name + Delimiter + Team, the name the release goes out under) and the text
// blocks' lines as the boxes display them, so a wrapped paragraph keeps its shape in the NFO.
RenderInput ReadRenderInput(MainWindow& window);

}  // namespace glyphwright
