#include "cli/cli_render.h"

#include "cli/word_wrap.h"
#include "model/form_item.h"
#include "render/field_layout.h"

namespace glyphwright::cli {
namespace {

void SubstituteEveryLine(Document& document, const FieldTable& values) {
    for (std::string& line : document) line = SubstituteLine(line, PlaceholderTags, values);
}

}  // namespace

TextBlockLines WrapTextBlocks(const MemoryProjectForm& form, std::size_t wrap) {
    TextBlockLines lines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lines[i] = WrapText(form.GetText(ReleaseField(kTextBlocks[i].letter)), wrap);
    }
    return lines;
}

Document RenderNfoDocument(std::string_view templateBytes, const FieldTable& values,
                           const TextBlockLines& blocks) {
    Document document = ParseDocument(templateBytes);
    SubstituteEveryLine(document, values);
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        ExpandTextBlock(document, kTextBlocks[i].placeholder, blocks[i]);
    }
    return document;
}

Document RenderDizDocument(std::string_view templateBytes, const FieldTable& values) {
    Document document = ParseDocument(templateBytes);
    SubstituteEveryLine(document, values);
    return document;
}

}  // namespace glyphwright::cli
