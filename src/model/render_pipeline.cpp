#include "model/render_pipeline.h"

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
