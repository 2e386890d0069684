#include "cli/png_export.h"

#include <algorithm>

#include "cli/cp437_cells.h"

// The PNG encoder is Debian's stb_image_write (public domain / MIT): one header, compiled here
// once, for the native and the Windows builds alike.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#endif
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#define STBIW_WINDOWS_UTF8
#include <stb_image_write.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace glyphwright::cli {
namespace {

constexpr std::size_t kTabStop = 8;
constexpr char kDosEndOfFile = '\x1A';

bool ParseHexColor(std::string_view text, Rgb& color) {
    if (!text.empty() && text.front() == '#') text.remove_prefix(1);
    if (text.size() != 6) return false;
    std::uint8_t parts[3];
    for (int i = 0; i < 3; ++i) {
        int value = 0;
        for (int j = 0; j < 2; ++j) {
            const char c = text[static_cast<std::size_t>(i * 2 + j)];
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            if (digit < 0) return false;
            value = value * 16 + digit;
        }
        parts[i] = static_cast<std::uint8_t>(value);
    }
    color = Rgb{parts[0], parts[1], parts[2]};
    return true;
}

// The text's lines, tabs expanded, as the cells they fill.
std::vector<std::string> CellLines(std::string_view text) {
    if (!text.empty() && text.back() == kDosEndOfFile) text.remove_suffix(1);
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            if (i + 1 < text.size()) lines.emplace_back();
        } else if (c == '\t') {
            lines.back().append(kTabStop - lines.back().size() % kTabStop, ' ');
        } else {
            lines.back() += c;
        }
    }
    return lines;
}

void WriteToString(void* context, void* data, int size) {
    static_cast<std::string*>(context)->append(static_cast<const char*>(data),
                                               static_cast<std::size_t>(size));
}

}  // namespace

Rgb TextImage::At(int x, int y) const {
    const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                            static_cast<std::size_t>(x)) *
                           3;
    return Rgb{rgb[at], rgb[at + 1], rgb[at + 2]};
}

bool ParseColors(std::string_view text, PngColors& colors, std::string& error) {
    const std::size_t comma = text.find(',');
    PngColors parsed;
    if (comma == std::string_view::npos || !ParseHexColor(text.substr(0, comma), parsed.ink) ||
        !ParseHexColor(text.substr(comma + 1), parsed.paper)) {
        error = "--colors wants two hexadecimal colours FG,BG such as c0c0c0,000000, not \"" +
                std::string(text) + "\"";
        return false;
    }
    colors = parsed;
    return true;
}

bool DrawText(std::string_view cp437, const PngColors& colors, TextImage& image, std::string& error,
              std::size_t maxPixels) {
    const std::vector<std::string> lines = CellLines(cp437);
    std::size_t columns = 1;
    for (const std::string& line : lines) columns = std::max(columns, line.size());
    const std::size_t width = columns * kCellWidth, height = lines.size() * kCellHeight;
    if (width > maxPixels / height) {
        error = "the picture would be " + std::to_string(width) + " x " + std::to_string(height) +
                " pixels; at most " + std::to_string(maxPixels) + " pixels are drawn";
        return false;
    }
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.rgb.resize(width * height * 3);
    for (std::size_t i = 0; i < width * height; ++i) {
        image.rgb[i * 3] = colors.paper.red;
        image.rgb[i * 3 + 1] = colors.paper.green;
        image.rgb[i * 3 + 2] = colors.paper.blue;
    }
    for (std::size_t n = 0; n < lines.size(); ++n) {
        for (std::size_t column = 0; column < lines[n].size(); ++column) {
            const unsigned char* cell = kCp437Cells[static_cast<unsigned char>(lines[n][column])];
            for (int row = 0; row < kCellHeight; ++row) {
                std::uint8_t* pixel =
                    &image.rgb[((n * kCellHeight + row) * width + column * kCellWidth) * 3];
                for (int bit = 0; bit < kCellWidth; ++bit, pixel += 3) {
                    if (!(cell[row] & (0x80 >> bit))) continue;
                    pixel[0] = colors.ink.red;
                    pixel[1] = colors.ink.green;
                    pixel[2] = colors.ink.blue;
                }
            }
        }
    }
    return true;
}

std::string EncodePng(const TextImage& image) {
    std::string png;
    // The "up" filter for every row: a text picture's rows mostly repeat the row above, and
    // trying all five filters per row (the default) costs half the time for 3% smaller files.
    stbi_write_force_png_filter = 2;
    stbi_write_png_to_func(WriteToString, &png, image.width, image.height, 3, image.rgb.data(),
                           image.width * 3);
    return png;
}

}  // namespace glyphwright::cli
