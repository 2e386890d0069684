#pragma once
// "render": the same passes as "Make NFO" and "Make DIZ", fed from a project file instead of
// the window.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "cli/project_values.h"
#include "render/document.h"
#include "render/substitution.h"

namespace glyphwright::cli {

// The text-block placeholders in the order a rendering expands them, with their fields.
struct TextBlockSlot {
    char letter;
    const char* placeholder;
};
inline constexpr TextBlockSlot kTextBlocks[] = {{'R', "{R}"}, {'S', "{S}"}, {'T', "{T}"}, {'U', "{U}"}};

using TextBlockLines = std::array<std::vector<std::string>, 4>;

// The four blocks' lines as boxes `wrap` characters wide show them.
TextBlockLines WrapTextBlocks(const MemoryProjectForm& form, std::size_t wrap);

// Every line through the single-line pass, then the four blocks expanded.
Document RenderNfoDocument(std::string_view templateBytes, const FieldTable& values,
                           const TextBlockLines& blocks);

// Every line through the single-line pass; text-block placeholders stay.
Document RenderDizDocument(std::string_view templateBytes, const FieldTable& values);

}  // namespace glyphwright::cli
