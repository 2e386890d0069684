#pragma once
// The one place the window's controls are read for a rendering.

#include "model/render_pipeline.h"

namespace glyphwright {

class MainWindow;

// The record as its controls show it, for the length of one command: the single-line values
// ({Q} as File Name + Delimiter + Team, the name the release goes out under) and the text
// blocks' lines as the boxes display them, so a wrapped paragraph keeps its shape in the NFO.
RenderInput RenderInputFromWindow(MainWindow& window);

}  // namespace glyphwright
