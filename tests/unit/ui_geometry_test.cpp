#include "ui/geometry.h"

#include <gtest/gtest.h>

#include "ui/raster_cells.h"

namespace glyphwright::ui {
namespace {

void ExpectRect(const Rect& actual, const Rect& expected) {
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.width, expected.width);
    EXPECT_EQ(actual.height, expected.height);
}

// The four frames of the first page stack from the top of the page, each page-wide.
TEST(AlignCursor, TopAlignedFramesStackDownward) {
    AlignCursor cursor(Rect{0, 0, 523, 452});
    ExpectRect(cursor.Take(Align::Top, 109), {0, 0, 523, 109});
    ExpectRect(cursor.Take(Align::Top, 105), {0, 109, 523, 105});
    ExpectRect(cursor.Take(Align::Top, 109), {0, 214, 523, 109});
    ExpectRect(cursor.Take(Align::Top, 117), {0, 323, 523, 117});
}

// The "About" page: the text frame goes to the bottom first, the logo frame then takes the top.
TEST(AlignCursor, BottomThenTopShareTheArea) {
    AlignCursor cursor(Rect{0, 0, 523, 452});
    ExpectRect(cursor.Take(Align::Bottom, 257), {0, 195, 523, 257});
    ExpectRect(cursor.Take(Align::Top, 185), {0, 0, 523, 185});
    ExpectRect(cursor.Take(Align::Fill, 0), {0, 185, 523, 10});
}

TEST(AlignCursor, FillTakesWhatIsLeftAndLeavesNothing) {
    AlignCursor cursor(Rect{2, 15, 519, 83});
    ExpectRect(cursor.Take(Align::Fill, 0), {2, 15, 519, 83});
    ExpectRect(cursor.Take(Align::Fill, 0), {2, 98, 519, 0});
}

TEST(AlignCursor, FillNeverGoesNegativeWhenTheAreaIsOverbooked) {
    AlignCursor cursor(Rect{0, 0, 100, 50});
    cursor.Take(Align::Top, 40);
    cursor.Take(Align::Bottom, 30);
    EXPECT_EQ(cursor.Take(Align::Fill, 0).height, 0);
}

TEST(FrameInterior, LeavesTheFrameLineAndTheCaptionVisible) {
    ExpectRect(FrameInterior(Rect{0, 0, 523, 100}, 13), {2, 15, 519, 83});
    ExpectRect(FrameInterior(Rect{0, 0, 3, 10}, 13), {2, 15, 0, 0});
}

// Centring halves downward, so a window larger than the screen moves left/up by the odd pixel.
TEST(CenteredOrigin, HalvesTowardMinusInfinity) {
    struct Case {
        int screen, window, expected;
    } cases[] = {
        {1024, 539, 242},  // 485 / 2 = 242.5
        {768, 551, 108},   // 217 / 2 = 108.5
        {1024, 1024, 0},
        {800, 1001, -101},  // -201 / 2 = -100.5: down to -101, not -100
        {800, 1000, -100},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CenteredOrigin(c.screen, c.window), c.expected) << c.screen << " " << c.window;
    }
    static_assert(FloorHalf(-1) == -1 && FloorHalf(1) == 0 && FloorHalf(-4) == -2);
}

TEST(DropDownOpenHeight, ShowsOneToEightEntries) {
    struct Case {
        int entries, closed, expected;
    } cases[] = {
        {0, 20, 42},   // an empty list still opens one entry high
        {1, 20, 42},   {3, 20, 82},   {8, 20, 182},
        {9, 20, 182},  // longer lists scroll
        {100, 22, 200},  // the formula, for the 22-pixel box
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DropDownOpenHeight(c.entries, c.closed), c.expected) << c.entries;
    }
}

constexpr int kScales[] = {96, 120, 144, 168, 192, 240, 288};

// Positions and sizes to the nearest pixel (796.5 and 757.5 up); the room of a stand-in's
// cells never rounds up.
TEST(Scale, RoundsToTheNearestPixelAndRoomDown) {
    struct Case {
        int value, dpi, scaled, scaledDown;
    } cases[] = {
        {531, 144, 797, 796}, {505, 144, 758, 757}, {531, 96, 531, 531}, {5, 144, 8, 7}, {6, 120, 8, 7},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Scale(c.value, c.dpi), c.scaled) << c.value << " at " << c.dpi;
        EXPECT_EQ(ScaleDown(c.value, c.dpi), c.scaledDown) << c.value << " at " << c.dpi;
    }
}

// The window's 11-pixel fonts at the 8-point size of each scale, unchanged at 96 DPI.
TEST(FontHeight, EightPointsAtEveryScale) {
    struct Case {
        int dpi, height;
    } cases[] = {{96, -11}, {120, -13}, {144, -16}, {168, -19}, {192, -21}, {288, -32}};
    for (const Case& c : cases) {
        EXPECT_EQ(FontHeight(-11, c.dpi), c.height) << c.dpi;
        EXPECT_EQ(FontHeight(11, c.dpi), -c.height) << c.dpi;
    }
}

// Two controls that touch at 96 DPI (one ends where the next begins) touch at every scale:
// widths scaled on their own would open a gap or an overlap of a pixel at odd positions.
TEST(ScaleRect, ControlsThatTouchStillTouch) {
    for (int dpi : kScales) {
        for (int left = 0; left < 40; ++left) {
            for (int width = 1; width < 40; ++width) {
                const Rect first = ScaleRect({left, 7, width, 20}, dpi);
                const Rect next = ScaleRect({left + width, 7, 13, 20}, dpi);
                ASSERT_EQ(first.left + first.width, next.left) << left << "+" << width << " at " << dpi;
            }
        }
    }
    ExpectRect(ScaleRect({8, 35, 250, 20}, 96), {8, 35, 250, 20});
}

// Stacked frames keep their 96-DPI offsets, so the last ends where the scaled total does.
TEST(ScaleLength, StackedHeightsAddUpToTheScaledTotal) {
    const int heights[] = {109, 105, 109, 117};
    for (int dpi : kScales) {
        int offset = 0, stacked = 0;
        for (int height : heights) {
            stacked += ScaleLength(offset, height, dpi);
            offset += height;
        }
        EXPECT_EQ(stacked, Scale(offset, dpi)) << dpi;
    }
}

// The OEM font's sizes: the one nearest the height asked for, as long as a whole NFO line of
// its cells fits the view.
TEST(ClosestFittingCell, NearestHeightOfTheSizesThatFit) {
    const std::vector<CellSize> sizes = {{6, 12}, {8, 16}, {8, 18}, {10, 20}, {12, 24}};
    struct Case {
        const char* what;
        int wanted, room, width, height;
    } cases[] = {
        {"exact", 18, 1000, 8, 18},
        {"nearer above", 15, 1000, 8, 16},
        {"as near both ways: the lower", 14, 1000, 6, 12},
        {"the nearest too wide: the next that fits", 24, 900, 10, 20},
        {"none fits: the narrowest", 24, 300, 6, 12},
    };
    for (const Case& c : cases) {
        const std::optional<CellSize> chosen = ClosestFittingCell(sizes, c.wanted, 79, c.room);
        ASSERT_TRUE(chosen.has_value()) << c.what;
        EXPECT_EQ(chosen->width, c.width) << c.what;
        EXPECT_EQ(chosen->height, c.height) << c.what;
    }
    EXPECT_FALSE(ClosestFittingCell({}, 12, 79, 1000).has_value());
}

}  // namespace
}  // namespace glyphwright::ui
