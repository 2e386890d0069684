#pragma once
// "export --png" and "render --png": the picture of an NFO that trackers and forums show,
// each byte drawn as an 8 x 16 cell of the built-in DOS font.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace glyphwright::cli {

struct Rgb {
    std::uint8_t red = 0, green = 0, blue = 0;
    bool operator==(const Rgb& other) const {
        return red == other.red && green == other.green && blue == other.blue;
    }
};

struct PngColors {
    Rgb ink{0xC0, 0xC0, 0xC0};  // light grey on black, as a DOS screen shows text
    Rgb paper{0x00, 0x00, 0x00};
};

// "FG,BG" as two hexadecimal colours ("c0c0c0,000000", a leading '#' allowed).
bool ParseColors(std::string_view text, PngColors& colors, std::string& error);

struct TextImage {
    int width = 0;                  // pixels: 8 x the longest line's columns
    int height = 0;                 // pixels: 16 x the lines
    std::vector<std::uint8_t> rgb;  // rows top down, 3 bytes a pixel

    Rgb At(int x, int y) const;
};

// Lines break at CR LF, a lone CR or a lone LF; a break at the very end starts no line, and a
// DOS end-of-file byte (1A) ending the text is not drawn. Tabs advance to the next multiple of
// 8 columns. Empty text gives one blank cell. Fails when the picture would pass `maxPixels`.
bool DrawText(std::string_view cp437, const PngColors& colors, TextImage& image, std::string& error,
              std::size_t maxPixels = std::size_t(1) << 28);

// The image as a PNG file.
std::string EncodePng(const TextImage& image);

}  // namespace glyphwright::cli
