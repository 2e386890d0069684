#include "app/status_caption_text.h"

#include <gtest/gtest.h>

#include "app/logo_placement.h"

namespace glyphwright {
namespace {

TEST(PositionCaption, KeepsTheLabelOfEachTextBlock) {
    struct Case {
        const char* caption;
        int line, column;
        const char* expected;
    } cases[] = {
        {"{R} Description [ 0:0 ]", 0, 0, "{R} Description [ 0:0 ]"},
        {"{R} Description [ 0:0 ]", 2, 0, "{R} Description [ 2:0 ]"},
        {"{S} Install info [ 4:17 ]", 12, 345, "{S} Install info [ 12:345 ]"},
        {"{T} Other information [ 0:0 ]", 1, 3, "{T} Other information [ 1:3 ]"},
        {"{U} Greetings [ 0:0 ]", 0, 79, "{U} Greetings [ 0:79 ]"},
        // Masks ignore case and need nothing after the label.
        {"{r} DESCRIPTION", 5, 6, "{R} Description [ 5:6 ]"},
        // A caption no mask recognises loses its text and keeps only the position.
        {"Selected characters: 3", 1, 1, "[ 1:1 ]"},
        {"", 0, 0, "[ 0:0 ]"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PositionCaption(c.caption, c.line, c.column), c.expected) << c.caption;
    }
}

TEST(SelectionCaption, CountsOrEmpties) {
    EXPECT_EQ(SelectionCaption(12), "Selected characters: 12");
    EXPECT_EQ(SelectionCaption(1), "Selected characters: 1");
    EXPECT_EQ(SelectionCaption(0), "");
}

TEST(LogoLeft, CentresTheBitmapOnePixelLeft) {
    EXPECT_EQ(LogoLeft(523, 400), 60);  // 261 - 200 - 1
    EXPECT_EQ(LogoLeft(524, 400), 61);
    EXPECT_EQ(LogoLeft(523, 401), 60);  // 261 - 200 - 1: both halvings truncate
    EXPECT_EQ(LogoLeft(523, 0), 260);   // no bitmap: a 0 x 0 box in the middle
    EXPECT_EQ(LogoLeft(300, 401), -51); // 150 - 200 - 1
}

}  // namespace
}  // namespace glyphwright
