#include "model/render_pipeline.h"

#include <algorithm>

#include "render/brace_groups.h"
#include "render/field_layout.h"

namespace glyphwright {
namespace {

void SubstituteEveryLine(Document& document, const FieldTable& lineValues) {
    for (std::string& line : document) line = SubstituteLine(line, LineValueTags(), lineValues);
}

}  // namespace

const FieldTable& LineValueTags() {
    static const FieldTable tags = [] {
        FieldTable made;
        for (std::size_t i = 0; i < made.size(); ++i) made[i] = PlaceholderTag(kLineValueLetters[i]);
        return made;
    }();
    return tags;
}

FieldTable ReadLineValues(const ProjectForm& form) {
    FieldTable values;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const Placeholder& row = PlaceholderOf(kLineValueLetters[i]);
        switch (row.kind) {
        case PlaceholderKind::Date: values[i] = form.GetDateText(); break;
        case PlaceholderKind::DerivedFileName:
            // The name the release goes out under.
            values[i] = form.GetText(ReleaseField(row.letter)) + form.GetText(FormItem::Delimiter) +
                        form.GetText(FormItem::PackageTeam);
            break;
        default: values[i] = form.GetText(ReleaseField(row.letter)); break;
        }
    }
    return values;
}

TextBlockLines ReadTextBlocks(const std::function<std::vector<std::string>(char letter)>& linesOf) {
    TextBlockLines blocks;
    for (std::size_t i = 0; i < blocks.size(); ++i) blocks[i] = linesOf(kTextBlockLetters[i]);
    return blocks;
}

void RenderDiz(Document& document, const FieldTable& lineValues) {
    SubstituteEveryLine(document, lineValues);
}

void LayTextBlocks(Document& document, const TextBlockLines& blocks) {
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        ExpandTextBlock(document, PlaceholderTag(kTextBlockLetters[i]), blocks[i]);
    }
}

namespace {

std::size_t SaturatingProduct(std::size_t a, std::size_t b) {
    if (a != 0 && b > static_cast<std::size_t>(-1) / a) return static_cast<std::size_t>(-1);
    return a * b;
}

bool MayBringPlaceholder(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        if (line.size() == 1 || line.find_first_of("{}") != std::string::npos) return true;
    }
    return false;
}

}  // namespace

std::size_t LaidTextBlocksBound(const Document& document, const TextBlockLines& blocks) {
    std::size_t total = 0;
    for (const std::string& line : document) {
        std::size_t copies = 1;
        bool anyLater = false;
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            const std::string tag = PlaceholderTag(kTextBlockLetters[i]);
            if (!anyLater && !detail::HoldsGroupIgnoringCase(line, tag)) continue;
            copies = SaturatingProduct(copies, std::max<std::size_t>(blocks[i].size(), 1));
            anyLater = anyLater || MayBringPlaceholder(blocks[i]);
        }
        const std::size_t bytes = SaturatingProduct(copies, line.size() + 2);
        total = bytes > static_cast<std::size_t>(-1) - total ? static_cast<std::size_t>(-1) : total + bytes;
    }
    return total;
}

void RenderNfo(Document& document, const RenderInput& input) {
    SubstituteEveryLine(document, input.lineValues);
    LayTextBlocks(document, input.blocks);
}

Document RenderNfo(std::string_view templateBytes, const RenderInput& input) {
    Document document = ParseDocument(templateBytes);
    RenderNfo(document, input);
    return document;
}

Document RenderDiz(std::string_view templateBytes, const FieldTable& lineValues) {
    Document document = ParseDocument(templateBytes);
    RenderDiz(document, lineValues);
    return document;
}

}  // namespace glyphwright
