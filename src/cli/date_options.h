#pragma once
// How glyphwright-cli writes the release date {N}: the window shows it in the user's short
// date format, and release scripts need to fix both the date and the format.

#include <optional>
#include <string>
#include <string_view>

#include "model/date_text.h"

namespace glyphwright::cli {

// The C library's date format (nl_langinfo's "%d.%m.%Y") as a date picture ("dd.MM.yyyy");
// text between conversions is quoted where it holds letters. Empty when the format uses a
// conversion that a date picture cannot say.
std::string PictureFromStrftime(std::string_view format);

// The short date of the user's locale. Natively that is LC_ALL, LC_TIME or LANG through the
// C library, and "dd.MM.yyyy" for the C and POSIX locales; on Windows the platform's own.
std::string LocaleShortDatePicture();

// "YYYY-MM-DD" as a real day, or nothing.
std::optional<DateTimeValue> ParseIsoDate(std::string_view text);

}  // namespace glyphwright::cli
