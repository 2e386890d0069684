#pragma once
// "render": the same rendering as "Make NFO" and "Make DIZ", fed from a project file instead of
// the window.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "cli/findings.h"
#include "cli/project_values.h"
#include "model/render_pipeline.h"

namespace glyphwright::cli {

enum class TemplateKind { Nfo, Diz };

// The text blocks' lines as boxes `wrap` characters wide show them.
TextBlockLines WrapTextBlocks(const MemoryProjectForm& form, std::size_t wrap);

// The record as one rendering takes it.
RenderInput RenderInputFromProject(const MemoryProjectForm& form, std::size_t wrap);

// The NFO's text as RenderNfo gives it, or false with the reason when it could pass
// kMaxOutputBytes; that is known before anything is laid in.
bool RenderNfoText(std::string_view templateBytes, const RenderInput& input, std::string& text,
                   std::string& error);

// The template rendered as RenderNfoText (NFO) or RenderDiz (DIZ) gives it, byte for byte, with
// warnings for `file` about what the rendering drops or leaves that a viewer of the template
// would not expect: the reading below, values not placed, a rendering with nothing in it.
bool RenderTemplate(const std::string& file, TemplateKind kind, std::string_view templateBytes,
                    const RenderInput& input, std::string& text, std::vector<Finding>& warnings,
                    std::string& error);

// How the renderer reads the bytes where a viewer shows something else: LF alone breaks no
// line, CR CR LF is two breaks, a NUL ends its line (and the document at a line's start), an
// empty file renders to nothing. One warning per kind, with the count and the first place.
std::vector<Finding> TemplateReadingWarnings(const std::string& file, std::string_view bytes);

// The bytes DocumentText holds after LayTextBlocks on the document, worked out line by line
// without laying the whole in: each line's copies are counted per distinct block line, since the
// same line of text laid into the same copy gives the same bytes, and only a copy that still
// holds a later block's placeholder (its own, or one a block line brought in) is followed
// further. Exact up to `limit`; past it the counting stops and the result is some number over
// `limit`. Saturates at SIZE_MAX.
std::size_t LaidTextBlocksSize(const Document& document, const TextBlockLines& blocks, std::size_t limit);

// Whether laying the blocks in keeps the text within kMaxOutputBytes; when not, false with the
// message. The quick bound of the engine answers most documents; the exact count the rest.
bool LaidTextBlocksFit(const Document& document, const TextBlockLines& blocks, std::string& error);

// The message for a rendering of at least `size` bytes.
std::string OutputTooLarge(std::size_t size);

}  // namespace glyphwright::cli
