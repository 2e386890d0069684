#include "model/render_pipeline.h"

#include <algorithm>
#include <utility>

#include "render/brace_groups.h"
#include "render/field_layout.h"

namespace glyphwright {

void FillSingleLineValues(Document& document, const FieldTable& lineValues) {
    for (std::string& line : document) line = SubstituteLine(line, PlaceholderTags, lineValues);
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
    FillSingleLineValues(document, lineValues);
}

namespace {

// Each template line goes through all four blocks before the next one is begun. A block's
// pass treats every line on its own, so the lines come out in the order that four whole
// passes give, while the bytes are counted line by line as they are final and nothing past
// the limit is ever built.
class BoundedLaying {
  public:
    BoundedLaying(const TextBlockLines& blocks, std::size_t byteLimit, Document& laid)
        : tags_(Tags(std::make_index_sequence<kTextBlockCount>())),
          layouts_(Layouts(blocks, std::make_index_sequence<kTextBlockCount>())),
          limit_(byteLimit),
          laid_(laid) {}
    BoundedLaying(const BoundedLaying&) = delete;  // the layouts look into tags_
    BoundedLaying& operator=(const BoundedLaying&) = delete;

    bool Lay(std::string line, std::size_t block = 0) {
        while (block < layouts_.size() && !layouts_[block].Holds(line)) ++block;
        if (block == layouts_.size()) {
            const std::size_t bytes = line.size() + 2;
            if (bytes > limit_ - counted_) return false;
            counted_ += bytes;
            laid_.push_back(std::move(line));
            return true;
        }
        Document copies;
        layouts_[block].Expand(line, copies);
        for (std::string& copy : copies) {
            if (!Lay(std::move(copy), block + 1)) return false;
        }
        return true;
    }

  private:
    template <std::size_t... I>
    static std::array<std::string, kTextBlockCount> Tags(std::index_sequence<I...>) {
        return {PlaceholderTag(kTextBlockLetters[I])...};
    }
    template <std::size_t... I>
    std::array<TextBlockLayout, kTextBlockCount> Layouts(const TextBlockLines& blocks,
                                                         std::index_sequence<I...>) const {
        return {TextBlockLayout(tags_[I], blocks[I])...};
    }

    const std::array<std::string, kTextBlockCount> tags_;
    const std::array<TextBlockLayout, kTextBlockCount> layouts_;
    const std::size_t limit_;
    std::size_t counted_ = 0;
    Document& laid_;
};

bool LayTextBlocksWithin(Document& document, const TextBlockLines& blocks, std::size_t byteLimit) {
    Document laid;
    laid.reserve(document.size());
    BoundedLaying laying(blocks, byteLimit, laid);
    for (std::string& line : document) {
        if (!laying.Lay(std::move(line))) return false;
    }
    document = std::move(laid);
    return true;
}

}  // namespace

void LayTextBlocks(Document& document, const TextBlockLines& blocks) {
    LayTextBlocksWithin(document, blocks, static_cast<std::size_t>(-1));
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
            if (!anyLater && !HoldsGroupIgnoringCase(line, tag)) continue;
            copies = SaturatingProduct(copies, std::max<std::size_t>(blocks[i].size(), 1));
            anyLater = anyLater || MayBringPlaceholder(blocks[i]);
        }
        const std::size_t bytes = SaturatingProduct(copies, line.size() + 2);
        total = bytes > static_cast<std::size_t>(-1) - total ? static_cast<std::size_t>(-1) : total + bytes;
    }
    return total;
}

void RenderNfo(Document& document, const RenderInput& input) {
    FillSingleLineValues(document, input.lineValues);
    LayTextBlocks(document, input.blocks);
}

bool RenderNfoWithin(Document& document, const RenderInput& input, std::size_t byteLimit) {
    FillSingleLineValues(document, input.lineValues);
    return LayTextBlocksWithin(document, input.blocks, byteLimit);
}

}  // namespace glyphwright
