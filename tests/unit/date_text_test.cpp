// Reading a stored release date with the user's date and time picture.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "model/date_text.h"

namespace glyphwright {
namespace {

DateTimeValue Date(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    DateTimeValue value;
    value.year = year;
    value.month = month;
    value.day = day;
    value.hour = hour;
    value.minute = minute;
    value.second = second;
    return value;
}

struct ParseCase {
    const char* text;
    const char* picture;
    std::optional<DateTimeValue> expected;
};

class ParseDateTextTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseDateTextTest, ReadsWhatThePictureDescribes) {
    const ParseCase& c = GetParam();
    EXPECT_EQ(ParseDateText(c.text, c.picture), c.expected) << c.text << " with " << c.picture;
}

constexpr char kEuropean[] = "dd.MM.yyyy H:mm:ss";
constexpr char kAmerican[] = "M/d/yyyy h:mm:ss tt";

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseDateTextTest,
    ::testing::Values(
        // A date alone, as a project stores it, is midnight of that day.
        ParseCase{"05.03.2024", kEuropean, Date(2024, 3, 5)},
        ParseCase{"5.3.2024", kEuropean, Date(2024, 3, 5)},
        ParseCase{" 05.03.2024 ", kEuropean, Date(2024, 3, 5)},
        ParseCase{"05.03.2024 13:07:09", kEuropean, Date(2024, 3, 5, 13, 7, 9)},
        ParseCase{"3/5/2024", kAmerican, Date(2024, 3, 5)},
        ParseCase{"3/5/2024 1:07:09 PM", kAmerican, Date(2024, 3, 5, 13, 7, 9)},
        ParseCase{"3/5/2024 12:00:00 am", kAmerican, Date(2024, 3, 5, 0, 0, 0)},
        ParseCase{"3/5/2024 12:30:00 PM", kAmerican, Date(2024, 3, 5, 12, 30, 0)},
        ParseCase{"2024-03-05", "yyyy-MM-dd HH:mm:ss", Date(2024, 3, 5)},
        ParseCase{"05/03/24", "dd/MM/yy HH:mm", Date(2024, 3, 5)},
        ParseCase{"05/03/99", "dd/MM/yy HH:mm", Date(1999, 3, 5)},
        ParseCase{"5-Mar-2024", "d-MMM-yyyy H:mm", Date(2024, 3, 5)},
        ParseCase{"Tuesday, March 5, 2024", "dddd, MMMM d, yyyy h:mm tt", Date(2024, 3, 5)},
        ParseCase{"5. 3. 2024", "d. M. yyyy H:mm:ss", Date(2024, 3, 5)},
        ParseCase{"2024年3月5日", "yyyy'年'M'月'd'日' H:mm:ss", Date(2024, 3, 5)},
        ParseCase{"29.02.2024", kEuropean, Date(2024, 2, 29)},
        // Junk, impossible dates and another user's order give no date.
        ParseCase{"", kEuropean, std::nullopt},
        ParseCase{"junk", kEuropean, std::nullopt},
        ParseCase{"05.03", kEuropean, std::nullopt},
        ParseCase{"05.03.2024 junk", kEuropean, std::nullopt},
        ParseCase{"05.03.2024 25:00:00", kEuropean, std::nullopt},
        ParseCase{"29.02.2023", kEuropean, std::nullopt},
        ParseCase{"31.04.2024", kEuropean, std::nullopt},
        ParseCase{"00.01.2024", kEuropean, std::nullopt},
        ParseCase{"05.13.2024", kEuropean, std::nullopt},
        ParseCase{"05.03.1600", kEuropean, std::nullopt},
        ParseCase{"3/25/2024", kEuropean, std::nullopt},
        ParseCase{"25.3.2024", kAmerican, std::nullopt},
        ParseCase{"3/5/2024 13:00:00 PM", kAmerican, std::nullopt},
        ParseCase{"123.03.2024", kEuropean, std::nullopt}));

// What the picker would display reads back to the same day, whatever the user's picture.
TEST(DateText, FormattedDatesReadBack) {
    const char* pictures[] = {"dd.MM.yyyy", "M/d/yyyy", "yyyy-MM-dd", "d MMMM yyyy", "dd-MMM-yy",
                              "dddd, MMMM d, yyyy", "yyyy'y'MM'm'dd", kEuropean, kAmerican};
    const DateTimeValue dates[] = {Date(2024, 3, 5), Date(1999, 12, 31), Date(2000, 2, 29),
                                   Date(2049, 1, 1), Date(1950, 7, 14)};
    for (const char* picture : pictures) {
        for (const DateTimeValue& date : dates) {
            const std::string text = FormatDateText(date, picture);
            EXPECT_EQ(ParseDateText(text, picture), date) << text << " with " << picture;
        }
    }
}

}  // namespace
}  // namespace glyphwright
