#include "glyph_table_writer.h"

#include <cstdio>

namespace glyphwright::fon {

std::string EncodeGlyphTable(const RasterFont& font, std::string& error) {
    if (font.width != 8 || font.row_bytes() != 1) {
        error = "a glyph table holds 8-pixel-wide glyphs only";
        return std::string();
    }
    std::string out =
        "// Generated at build time by tools/make_fon; not to be edited.\n"
        "// Glyphs: " +
        font.copyright +
        ".\n"
        "#include \"cli/cp437_cells.h\"\n\n"
        "namespace glyphwright::cli {\n\n"
        "const unsigned char kCp437Cells[256][kCellHeight] = {\n";
    char hex[8];
    for (unsigned code = 0; code < 256; ++code) {
        out += "    {";
        for (unsigned row = 0; row < font.height; ++row) {
            std::snprintf(hex, sizeof hex, "%s0x%02X", row ? ", " : "", font.glyphs[code][row]);
            out += hex;
        }
        std::snprintf(hex, sizeof hex, "%02X", code);
        out += std::string("},  // ") + hex + "\n";
    }
    out += "};\n\n}  // namespace glyphwright::cli\n";
    return out;
}

}  // namespace glyphwright::fon
