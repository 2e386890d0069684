#pragma once
// "render": the same rendering as "Make NFO" and "Make DIZ", fed from a project file instead of
// the window.

#include <cstddef>

#include "cli/project_values.h"
#include "model/render_pipeline.h"

namespace glyphwright::cli {

// The text blocks' lines as boxes `wrap` characters wide show them.
TextBlockLines WrapTextBlocks(const MemoryProjectForm& form, std::size_t wrap);

// The record as one rendering takes it.
RenderInput ReadRenderInput(const MemoryProjectForm& form, std::size_t wrap);

}  // namespace glyphwright::cli
