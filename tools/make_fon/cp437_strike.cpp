#include "cp437_strike.h"

#include "cp437.h"

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

const Bytes* FindByteGlyph(const std::vector<PsfFont>& sources, std::uint8_t code) {
    for (char32_t candidate : Cp437Candidates(code))
        if (const Bytes* glyph = FindGlyph(sources, candidate)) return glyph;
    return nullptr;
}

Bytes CropRows(const Bytes& glyph, unsigned row_bytes, const StrikeShape& shape) {
    auto first = glyph.begin() + static_cast<std::ptrdiff_t>(shape.crop_top * row_bytes);
    return Bytes(first, first + static_cast<std::ptrdiff_t>(shape.height * row_bytes));
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

bool BuildCp437Strike(const std::vector<PsfFont>& sources, const StrikeShape& requested, RasterFont& font,
                      std::vector<std::uint8_t>& missing, std::string& error) {
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
    font.height = shape.height;
    font.ascent = baseline - shape.crop_top;
    const Bytes blank(static_cast<std::size_t>(row_bytes) * shape.height, 0);
    for (unsigned code = 0; code < 256; ++code) {
        const Bytes* glyph = FindByteGlyph(sources, static_cast<std::uint8_t>(code));
        if (!glyph) missing.push_back(static_cast<std::uint8_t>(code));
        font.glyphs[code] = glyph ? CropRows(*glyph, row_bytes, shape) : blank;
    }
    return true;
}

}  // namespace glyphwright::fon
