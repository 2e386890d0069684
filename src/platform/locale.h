#pragma once
// The user's date and time formats, as pictures ("dd.MM.yyyy", "h:mm:ss tt").

#include <array>
#include <string>

namespace glyphwright::platform {

// The names a date picture's "MMM", "dddd" and "tt" stand for.
struct DateNames {
    std::array<std::string, 12> months;
    std::array<std::string, 12> abbreviatedMonths;
    std::array<std::string, 7> days;  // Sunday first
    std::array<std::string, 7> abbreviatedDays;
    std::string am;
    std::string pm;
};

// English names, the fallback where the platform has none.
const DateNames& EnglishDateNames();

// The user's names for months, days and the two halves of the day.
DateNames UserDateNames();

// The first short date format the platform lists for the user; "dd.MM.yyyy" when none.
std::string UserShortDateFormat();

// The first time format the platform lists for the user; "H:mm:ss" when none.
std::string UserTimeFormat();

// The short date format, a blank and the time format: the picture a stored release date is
// read with.
std::string UserDateTimeFormat();

}  // namespace glyphwright::platform
