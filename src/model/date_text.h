#pragma once
// Dates written as text with a Windows date/time picture ("dd.MM.yyyy H:mm:ss",
// "M/d/yyyy h:mm:ss tt"): the form a project file stores the release date in.

#include <optional>
#include <string>
#include <string_view>

#include "platform/locale.h"

namespace glyphwright {

struct DateTimeValue {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const DateTimeValue& other) const {
        return year == other.year && month == other.month && day == other.day &&
               hour == other.hour && minute == other.minute && second == other.second;
    }
};

// Reads a date written with the picture. The text may stop once the day, month and year have
// been read: a date without its time reads as midnight. Anything that does not follow the
// picture, or names no real day between the years 1601 and 9999, gives no date.
std::optional<DateTimeValue> ParseDateText(
    std::string_view text, std::string_view picture,
    const platform::DateNames& names = platform::EnglishDateNames());

// Writes the date with the picture, as the platform would display it.
std::string FormatDateText(const DateTimeValue& value, std::string_view picture,
                           const platform::DateNames& names = platform::EnglishDateNames());

}  // namespace glyphwright
