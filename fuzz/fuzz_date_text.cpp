// Reading dates with arbitrary texts and pictures: no crash, only real days, and every date
// the formatter writes reads back the same.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/date_text.h"

using glyphwright::DateTimeValue;

namespace {

const char* const kPictures[] = {"dd.MM.yyyy H:mm:ss", "M/d/yyyy h:mm:ss tt", "yyyy-MM-dd HH:mm:ss",
                                 "d MMMM yyyy H:mm", "dddd, MMMM d, yyyy h:mm tt", "dd/MM/yy HH:mm",
                                 "yyyy'y'MM'm'dd", "d-MMM-yy"};

bool IsRealDay(const DateTimeValue& date) {
    static const int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return date.year >= 1601 && date.year <= 9999 && date.month >= 1 && date.month <= 12 && date.day >= 1 &&
           date.day <= kDays[date.month - 1] && date.hour >= 0 && date.hour <= 23 && date.minute >= 0 &&
           date.minute <= 59 && date.second >= 0 && date.second <= 59;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t choice = data[0] % (sizeof kPictures / sizeof kPictures[0] + 1);
    std::string picture;
    std::string_view text = bytes;
    if (choice < sizeof kPictures / sizeof kPictures[0]) {
        picture = kPictures[choice];
    } else {
        // The input brings its own picture, up to a '|'.
        const std::size_t bar = bytes.find('|');
        picture = std::string(bytes.substr(0, bar));
        text = bar == std::string_view::npos ? std::string_view() : bytes.substr(bar + 1);
    }
    const auto parsed = glyphwright::ParseDateText(text, picture);
    if (!parsed) return 0;
    if (!IsRealDay(*parsed)) std::abort();
    if (choice < sizeof kPictures / sizeof kPictures[0]) {
        const std::string formatted = glyphwright::FormatDateText(*parsed, picture);
        const auto again = glyphwright::ParseDateText(formatted, picture);
        if (!again || again->year != parsed->year || again->month != parsed->month || again->day != parsed->day) {
            std::abort();
        }
    }
    return 0;
}
