#pragma once
// "export --png" and "render --png": the picture of an NFO that trackers and forums show,
// each byte drawn as a cell of the built-in DOS font.

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

struct PictureOptions {
    PngColors colors;
    // 8, or 9 as the VGA text mode draws: its ninth column repeats the eighth for the line
    // drawing bytes C0-DF, so horizontal lines join, and is blank for every other byte.
    int cellWidth = 8;
    int scale = 1;  // every pixel drawn as a square this many pixels wide
};

inline constexpr int kMaxScale = 8;

// The default cap on a picture: 256 million pixels, 32 MB at one bit each.
inline constexpr std::size_t kMaxPicturePixels = std::size_t(1) << 28;

// A text laid out as a picture, drawn a pixel row at a time so that no picture of it need be
// held. Lines break at CR LF (CR CR LF and longer runs of CR before the LF too, as a file
// converted twice has them), a lone CR or a lone LF; a break at the very end starts no line.
// What viewers do not show is not drawn: a SAUCE record and everything from the 1A before
// it, and a 1A ending the text. Tabs advance to the next multiple of 8 columns. Empty text is
// one blank cell.
class TextPicture {
  public:
    // False with the reason when the picture would pass `maxPixels`.
    bool Lay(std::string_view cp437, const PictureOptions& options, std::string& error,
             std::size_t maxPixels = kMaxPicturePixels);

    int Width() const { return width_; }
    int Height() const { return height_; }
    const PngColors& Colors() const { return options_.colors; }

    // Row y: one bit a pixel, 1 for ink, the leftmost pixel in the top bit of the first of
    // (Width() + 7) / 8 bytes; the bits past the width are 0.
    void Row(int y, std::uint8_t* bits) const;

  private:
    std::vector<std::string> lines_;
    PictureOptions options_;
    int width_ = 0;
    int height_ = 0;
};

// A picture held whole, for those who look at its pixels.
struct TextImage {
    int width = 0;   // pixels: cell width x scale x the longest line's columns
    int height = 0;  // pixels: 16 x scale x the lines
    PngColors colors;
    std::size_t stride = 0;          // bytes a row
    std::vector<std::uint8_t> bits;  // rows top down, as TextPicture::Row gives them

    Rgb At(int x, int y) const;
};

bool DrawText(std::string_view cp437, const PictureOptions& options, TextImage& image,
              std::string& error, std::size_t maxPixels = kMaxPicturePixels);
bool DrawText(std::string_view cp437, const PngColors& colors, TextImage& image, std::string& error,
              std::size_t maxPixels = kMaxPicturePixels);

// The picture as an indexed PNG of one bit a pixel (paper 0, ink 1), the same bytes on every
// run. Empty when the compressor fails.
std::string EncodePng(const TextPicture& picture);
std::string EncodePng(const TextImage& image);

}  // namespace glyphwright::cli
