#include "ui/geometry.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace glyphwright::ui
