#pragma once
// "render": the same rendering as "Make NFO" and "Make DIZ", fed from a project file instead of
// the window.

#include <cstddef>
#include <string>
#include <string_view>

#include "cli/project_values.h"
#include "model/render_pipeline.h"

namespace glyphwright::cli {

// The text blocks' lines as boxes `wrap` characters wide show them.
TextBlockLines WrapTextBlocks(const MemoryProjectForm& form, std::size_t wrap);

// The record as one rendering takes it.
RenderInput ReadRenderInput(const MemoryProjectForm& form, std::size_t wrap);

// The NFO's text as RenderNfo gives it, or false with the reason when it could pass
// kMaxOutputBytes; that is known before anything is laid in.
bool RenderNfoText(std::string_view templateBytes, const RenderInput& input, std::string& text,
                   std::string& error);

// The message for a rendering that could reach `bound` bytes.
std::string OutputTooLarge(std::size_t bound);

}  // namespace glyphwright::cli
