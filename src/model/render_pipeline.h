#pragma once
// One rendering of an NFO or a DIZ, the same for the window and the command line: the single-line
// pass over every line, then (NFO only) the text blocks laid in, in table order.

#include <array>
#include <cstddef>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "model/placeholder_table.h"
#include "model/project_file.h"
#include "render/document.h"
#include "render/substitution.h"

namespace glyphwright {

// The engine takes the single-line values by its own tags, PlaceholderTags; the table's
// single-line rows must be those tags in the same order.
constexpr bool LineValuesAreTheEngineTags() {
    if (kLineValueCount != std::size(kPlaceholderTagList)) return false;
    for (std::size_t i = 0; i < kLineValueCount; ++i) {
        const std::string_view tag = kPlaceholderTagList[i];
        if (tag.size() != 3 || tag[0] != '{' || tag[1] != kLineValueLetters[i] || tag[2] != '}')
            return false;
    }
    return true;
}
static_assert(LineValuesAreTheEngineTags(),
              "the engine's tags are the table's single-line placeholders");

using TextBlockLines = std::array<std::vector<std::string>, kTextBlockCount>;

// What a rendering takes from the record, read at the start of one command and dropped after it.
struct RenderInput {
    FieldTable lineValues;
    TextBlockLines blocks;  // each block's lines as the user sees them (wrapped as shown)
};

// The single-line values as a rendering takes them: each field's text, the date as the picker
// displays it, and File Name followed by Delimiter and the Package group's Team.
FieldTable ReadLineValues(const ProjectForm& form);

// The text blocks' lines, asked of the front end block by block by letter.
TextBlockLines ReadTextBlocks(const std::function<std::vector<std::string>(char letter)>& linesOf);

// The single-line pass: every line's single-line placeholders filled. It is the whole of a
// DIZ's rendering and the first of an NFO's two passes.
void FillSingleLineValues(Document& document, const FieldTable& lineValues);

// The renderings over a document in place: a front end that keeps its last rendering when a
// template cannot be read renders that again.
void RenderNfo(Document& document, const RenderInput& input);
void RenderDiz(Document& document, const FieldTable& lineValues);

// The NFO's second pass alone, on a document FillSingleLineValues has been over.
void LayTextBlocks(Document& document, const TextBlockLines& blocks);

// Both passes, the second counting the bytes DocumentText will hold (each line and its CR LF)
// as the lines are laid; false as soon as they pass `byteLimit`, and the document is then
// spoiled (render into a copy to keep it). The count is of the real lines, so no rendering
// within the limit is refused.
bool RenderNfoWithin(Document& document, const RenderInput& input, std::size_t byteLimit);

// The most bytes DocumentText can hold after LayTextBlocks, worked out without laying anything
// in: a copy is never longer than the line it copies, so each line counts once per line of
// every block it holds. A block line that could bring another placeholder in (a brace, or a
// single character between braces) counts as holding every later block. Saturates at SIZE_MAX.
std::size_t LaidTextBlocksBound(const Document& document, const TextBlockLines& blocks);

}  // namespace glyphwright
