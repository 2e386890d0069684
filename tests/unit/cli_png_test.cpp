// The NFO picture: cells of the built-in DOS font, the image's size, and a PNG that reads back.

#include <gtest/gtest.h>

#include <string>

#include "cli/png_export.h"

#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#endif
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace glyphwright::cli {
namespace {

constexpr Rgb kInk{0xC0, 0xC0, 0xC0};
constexpr Rgb kPaper{0, 0, 0};

TextImage Draw(const std::string& text, const PngColors& colors = PngColors()) {
    TextImage image;
    std::string error;
    EXPECT_TRUE(DrawText(text, colors, image, error)) << error;
    return image;
}

int InkIn(const TextImage& image, int left, int top, int width, int height) {
    int ink = 0;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x) ink += image.At(x, y) == kInk;
    return ink;
}

// A SAUCE record as art editors write it: the 1A, a comment block of one line, the record.
std::string WithSauce(const std::string& text, const std::string& title) {
    std::string record = "SAUCE00" + title;
    record.resize(128, ' ');
    record[104] = 1;
    return text + "\x1A" + "COMNT" + std::string(64, 'c') + record;
}

TEST(CliPng, SizeIsEightByTheLongestLineAndSixteenByTheLines) {
    const struct {
        std::string text;
        int width, height;
    } cases[] = {
        {"ab\r\nabc\r\n", 24, 32},     // a final break starts no line
        {"a\nb\rc", 8, 48},            // LF and lone CR break as viewers break them
        {"ab\r\n\x1A", 16, 16},        // the DOS end-of-file byte is no line
        {"\tx", 72, 16},               // a tab reaches column 8
        {"", 8, 16},                   // nothing still makes a picture
        {"ab\r\r\nc\r\r\n", 16, 32},    // CR CR LF is one break, as viewers read it
        {"a\r\r\r\nb", 8, 32},          // and so is a longer run of CR before an LF
        {"a\r\rb", 8, 48},               // CRs with no LF after them break one each
        {WithSauce("ab\r\n", "A title longer than the text"), 16, 16},  // the record is not drawn
        {WithSauce("ab\r\n\x1A\r\ncd", "T"), 16, 16},  // viewers stop at the first 1A
    };
    for (const auto& c : cases) {
        const TextImage image = Draw(c.text);
        EXPECT_EQ(image.width, c.width) << c.text.substr(0, 20);
        EXPECT_EQ(image.height, c.height) << c.text.substr(0, 20);
    }
}

TEST(CliPng, FullBlockFillsItsCellAndBlankLeavesItEmpty) {
    const TextImage image = Draw("\xDB ");
    EXPECT_EQ(InkIn(image, 0, 0, 8, 16), 8 * 16);
    EXPECT_EQ(InkIn(image, 8, 0, 8, 16), 0);
    EXPECT_EQ(image.At(9, 3), kPaper);
}

// A double corner meets the double line to its right and the double bar below it pixel for
// pixel, so a frame is drawn without gaps.
TEST(CliPng, BoxCornerJoinsItsNeighbours) {
    const TextImage image = Draw("\xC9\xCD\r\n\xBA");
    int joinsRight = 0, joinsDown = 0;
    for (int y = 0; y < 16; ++y) {
        if (image.At(8, y) == kInk) {
            EXPECT_EQ(image.At(7, y), kInk) << "row " << y;
            ++joinsRight;
        }
    }
    for (int x = 0; x < 8; ++x) {
        if (image.At(x, 16) == kInk) {
            EXPECT_EQ(image.At(x, 15), kInk) << "column " << x;
            ++joinsDown;
        }
    }
    EXPECT_EQ(joinsRight, 2);
    EXPECT_EQ(joinsDown, 2);
}

TEST(CliPng, ColoursAndEncodingReadBack) {
    PngColors colors;
    std::string error;
    ASSERT_TRUE(ParseColors("#FFFF00,000080", colors, error)) << error;
    for (const char* bad : {"ffff00", "ffff00,00008", "gggggg,000000", ""}) {
        PngColors untouched;
        EXPECT_FALSE(ParseColors(bad, untouched, error)) << bad;
    }
    const TextImage image = Draw("\xDB \r\n \xDB", colors);
    const std::string png = EncodePng(image);
    int width = 0, height = 0, channels = 0;
    unsigned char* pixels = stbi_load_from_memory(reinterpret_cast<const unsigned char*>(png.data()),
                                                  static_cast<int>(png.size()), &width, &height, &channels, 3);
    ASSERT_NE(pixels, nullptr);
    EXPECT_EQ(width, 16);
    EXPECT_EQ(height, 32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned char* read = pixels + (y * width + x) * 3;
            ASSERT_EQ((Rgb{read[0], read[1], read[2]}), image.At(x, y)) << x << "," << y;
        }
    }
    EXPECT_EQ(image.At(0, 0), (Rgb{0xFF, 0xFF, 0x00}));
    EXPECT_EQ(image.At(8, 0), (Rgb{0x00, 0x00, 0x80}));
    stbi_image_free(pixels);
}

// Two colours take one bit a pixel from a two-entry palette: paper, then ink.
TEST(CliPng, IsOneBitIndexed) {
    PngColors colors;
    std::string error;
    ASSERT_TRUE(ParseColors("ffff00,000080", colors, error));
    const std::string png = EncodePng(Draw("\xDB", colors));
    ASSERT_GT(png.size(), 45u);
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    EXPECT_EQ(png[24], 1) << "bit depth";
    EXPECT_EQ(png[25], 3) << "colour type: palette";
    EXPECT_EQ(png.substr(33, 4 + 4 + 6), std::string("\0\0\0\x06PLTE\0\0\x80\xFF\xFF\0", 14));
}

// VGA text mode draws 9-pixel cells: the line drawing bytes C0-DF carry their eighth column
// into the ninth, so that lines join; every other byte leaves it blank.
TEST(CliPng, NinthColumnContinuesLineDrawingOnly) {
    PictureOptions vga;
    vga.cellWidth = 9;
    const struct {
        unsigned char byte;
        bool continues;
    } cases[] = {{0xC0, true}, {0xC4, true}, {0xDB, true}, {0xDF, true},
                 {0xB1, false}, {0xB2, false}, {0x10, false}};
    for (const auto& c : cases) {
        TextImage image;
        std::string error;
        ASSERT_TRUE(DrawText(std::string(1, static_cast<char>(c.byte)), vga, image, error));
        ASSERT_EQ(image.width, 9);
        const int eighth = InkIn(image, 7, 0, 1, 16), ninth = InkIn(image, 8, 0, 1, 16);
        EXPECT_GT(eighth, 0) << int(c.byte) << ": a case that shows nothing";
        for (int y = 0; y < 16; ++y) {
            const Rgb expected = c.continues ? image.At(7, y) : kPaper;
            EXPECT_EQ(image.At(8, y), expected) << int(c.byte) << " row " << y;
        }
        EXPECT_EQ(ninth, c.continues ? eighth : 0) << int(c.byte);
    }
}

// A scaled picture is the picture at scale 1 with every pixel a square, 9-pixel cells too.
TEST(CliPng, ScaleRepeatsEveryPixel) {
    const std::string text = "\xC9\xCD" "a\r\n\xB3\xDB";
    for (const int width : {8, 9}) {
        PictureOptions options;
        options.cellWidth = width;
        TextImage one, three;
        std::string error;
        ASSERT_TRUE(DrawText(text, options, one, error));
        options.scale = 3;
        ASSERT_TRUE(DrawText(text, options, three, error));
        ASSERT_EQ(three.width, one.width * 3);
        ASSERT_EQ(three.height, one.height * 3);
        for (int y = 0; y < three.height; ++y)
            for (int x = 0; x < three.width; ++x)
                ASSERT_EQ(three.At(x, y), one.At(x / 3, y / 3)) << width << ": " << x << "," << y;
    }
}

TEST(CliPng, RefusesAPictureTooLargeToHold) {
    TextImage image;
    std::string error;
    EXPECT_FALSE(DrawText(std::string(100, 'x'), PngColors(), image, error, 1000));
    EXPECT_NE(error.find("pixels"), std::string::npos);
}

}  // namespace
}  // namespace glyphwright::cli
