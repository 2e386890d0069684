#include "dos_strike.h"

namespace glyphwright::fon {
namespace {

const Bytes* FindGlyph(const std::vector<PsfFont>& sources, char32_t code) {
    for (const PsfFont& source : sources) {
        auto found = source.glyph_of.find(code);
        if (found != source.glyph_of.end() && found->second < source.glyphs.size())
            return &source.glyphs[found->second];
    }
    return nullptr;
}

const Bytes* FindByteGlyph(const std::vector<PsfFont>& sources, DosCodePage page, std::uint8_t code) {
    for (char32_t candidate : DosCandidates(page, code))
        if (const Bytes* glyph = FindGlyph(sources, candidate)) return glyph;
    return nullptr;
}

// Box drawing, blocks and shades, and the two halves of the integral sign: the characters
// drawn to join the ones above and below them.
bool JoinsVertically(char32_t character) {
    return (character >= 0x2500 && character <= 0x259F) || character == 0x2320 || character == 0x2321;
}

// The kept rows, with `pad` rows above and below. A joining glyph goes on through them with
// its second row above and its second-last below: the edge rows themselves for lines and
// blocks, and the next step of the shades' two-row pattern.
Bytes ShapeRows(const Bytes& glyph, unsigned row_bytes, const StrikeShape& shape, bool joins) {
    auto row = [&](unsigned kept) {
        auto first = glyph.begin() + static_cast<std::ptrdiff_t>((shape.crop_top + kept) * row_bytes);
        return Bytes(first, first + row_bytes);
    };
    const Bytes blank(row_bytes, 0);
    const Bytes above = joins && shape.height > 1 ? row(1) : blank;
    const Bytes below = joins && shape.height > 1 ? row(shape.height - 2) : blank;
    Bytes rows;
    for (unsigned i = 0; i < shape.pad_rows; ++i) rows.insert(rows.end(), above.begin(), above.end());
    for (unsigned kept = 0; kept < shape.height; ++kept) {
        const Bytes each = row(kept);
        rows.insert(rows.end(), each.begin(), each.end());
    }
    for (unsigned i = 0; i < shape.pad_rows; ++i) rows.insert(rows.end(), below.begin(), below.end());
    return rows;
}

// Rows from the top down to the lowest inked row, inclusive.
unsigned InkDepth(const Bytes& glyph, unsigned row_bytes, unsigned rows) {
    unsigned depth = 0;
    for (unsigned row = 0; row < rows; ++row)
        for (unsigned i = 0; i < row_bytes; ++i)
            if (glyph[row * row_bytes + i]) depth = row + 1;
    return depth;
}

}  // namespace

bool BuildDosStrike(const std::vector<PsfFont>& sources, const StrikeShape& requested, DosCodePage page,
                    RasterFont& font, std::vector<std::uint8_t>& missing, std::string& error) {
    missing.clear();
    if (sources.empty()) {
        error = "no source font";
        return false;
    }
    const unsigned width = sources.front().width, height = sources.front().height;
    for (const PsfFont& source : sources) {
        if (source.width != width || source.height != height) {
            error = "the source fonts differ in glyph size";
            return false;
        }
    }
    StrikeShape shape = requested;
    if (shape.crop_top >= height) {
        error = "cropping leaves no rows";
        return false;
    }
    if (shape.height == 0) shape.height = height - shape.crop_top;
    if (shape.crop_top + shape.height > height) {
        error = "the kept rows reach below the source glyphs";
        return false;
    }

    const unsigned row_bytes = sources.front().row_bytes();
    const Bytes* letter_h = FindGlyph(sources, U'H');
    if (!letter_h) {
        error = "no source draws the letter H, so the baseline is unknown";
        return false;
    }
    const unsigned baseline = InkDepth(*letter_h, row_bytes, height);
    if (baseline <= shape.crop_top || baseline > shape.crop_top + shape.height) {
        error = "the baseline falls outside the kept rows";
        return false;
    }

    font.width = width;
    font.height = shape.height + 2 * shape.pad_rows;
    font.ascent = baseline - shape.crop_top + shape.pad_rows;
    font.internal_leading = MatchingLeading(font.height);
    const Bytes blank(static_cast<std::size_t>(row_bytes) * font.height, 0);
    for (unsigned code = 0; code < 256; ++code) {
        const auto byte = static_cast<std::uint8_t>(code);
        const Bytes* glyph = FindByteGlyph(sources, page, byte);
        if (!glyph) missing.push_back(byte);
        font.glyphs[code] = glyph ? ShapeRows(*glyph, row_bytes, shape, JoinsVertically(DosToUnicode(page, byte))) : blank;
    }
    return true;
}

}  // namespace glyphwright::fon
