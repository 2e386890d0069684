#include "cli/cli_render.h"

#include "cli/cli_io.h"
#include "cli/word_wrap.h"

namespace glyphwright::cli {

TextBlockLines WrapTextBlocks(const MemoryProjectForm& form, std::size_t wrap) {
    return ReadTextBlocks([&](char letter) { return WrapText(form.GetText(ReleaseField(letter)), wrap); });
}

RenderInput ReadRenderInput(const MemoryProjectForm& form, std::size_t wrap) {
    return RenderInput{ReadLineValues(form), WrapTextBlocks(form, wrap)};
}

std::string OutputTooLarge(std::size_t bound) {
    const std::string size = bound == static_cast<std::size_t>(-1) ? "more bytes than can be counted"
                                                                  : std::to_string(bound) + " bytes";
    return "the NFO could reach " + size + ", over the limit of " + std::to_string(kMaxOutputBytes) +
           ": the text blocks repeat every line that holds them once per block line (a shorter text or a wider "
           "--wrap gives fewer)";
}

bool RenderNfoText(std::string_view templateBytes, const RenderInput& input, std::string& text,
                   std::string& error) {
    Document document = ParseDocument(templateBytes);
    RenderDiz(document, input.lineValues);
    const std::size_t bound = LaidTextBlocksBound(document, input.blocks);
    if (bound > kMaxOutputBytes) {
        error = OutputTooLarge(bound);
        return false;
    }
    LayTextBlocks(document, input.blocks);
    text = DocumentText(document);
    return true;
}

}  // namespace glyphwright::cli
