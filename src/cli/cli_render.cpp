#include "cli/cli_render.h"

#include "cli/word_wrap.h"

namespace glyphwright::cli {

TextBlockLines WrapTextBlocks(const MemoryProjectForm& form, std::size_t wrap) {
    return ReadTextBlocks([&](char letter) { return WrapText(form.GetText(ReleaseField(letter)), wrap); });
}

RenderInput ReadRenderInput(const MemoryProjectForm& form, std::size_t wrap) {
    return RenderInput{ReadLineValues(form), WrapTextBlocks(form, wrap)};
}

}  // namespace glyphwright::cli
