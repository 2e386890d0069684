// The command line's date options: the C library's date formats as pictures, and --date.

#include <gtest/gtest.h>

#include "cli/date_options.h"

namespace glyphwright::cli {
namespace {

TEST(CliDate, StrftimeFormatsBecomePictures) {
    const struct {
        const char* format;
        const char* picture;
    } cases[] = {
        {"%d.%m.%Y", "dd.MM.yyyy"},           // de_DE
        {"%m/%d/%Y", "MM/dd/yyyy"},           // en_US
        {"%Y-%m-%d", "yyyy-MM-dd"},           // sv_SE
        {"%d/%m/%y", "dd/MM/yy"},
        {"%e %B %Y", "d MMMM yyyy"},
        {"%-d. %b %Y", "d. MMM yyyy"},        // glibc's no-padding flag
        {"%Y. %m. %d.", "yyyy. MM. dd."},
        {"%d de %B de %Y", "dd' de 'MMMM' de 'yyyy"},  // letters are quoted
        {"%d%%%m", "dd%MM"},
        {"%x", ""},                           // no picture says it: the caller falls back
        {"%d.%m.%", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(PictureFromStrftime(c.format), c.picture) << c.format;
}

TEST(CliDate, DateOptionTakesRealDaysOnly) {
    ASSERT_TRUE(ParseIsoDate("2024-02-29"));
    EXPECT_EQ(ParseIsoDate("2024-02-29")->day, 29);
    for (const char* bad : {"2023-02-29", "2024-2-29", "29.02.2024", "2024-02-29x", ""})
        EXPECT_FALSE(ParseIsoDate(bad)) << bad;
}

}  // namespace
}  // namespace glyphwright::cli
