#include <windows.h>

#include "platform/locale.h"

namespace glyphwright::platform {
namespace {

// The enumeration callbacks carry no context of their own; the program has one thread, so the
// result goes through this variable for the length of one call.
std::string* g_firstFormat = nullptr;

BOOL CALLBACK TakeFirstFormat(LPSTR format) {
    if (g_firstFormat != nullptr && format != nullptr) *g_firstFormat = format;
    return FALSE;  // the first one is all we want
}

}  // namespace

std::string UserShortDateFormat() {
    std::string format;
    g_firstFormat = &format;
    EnumDateFormatsA(TakeFirstFormat, LOCALE_USER_DEFAULT, DATE_SHORTDATE);
    g_firstFormat = nullptr;
    return format.empty() ? "dd.MM.yyyy" : format;
}

std::string UserTimeFormat() {
    std::string format;
    g_firstFormat = &format;
    EnumTimeFormatsA(TakeFirstFormat, LOCALE_USER_DEFAULT, 0);
    g_firstFormat = nullptr;
    return format.empty() ? "H:mm:ss" : format;
}

}  // namespace glyphwright::platform

namespace glyphwright::platform {
namespace {

std::string LocaleText(LCTYPE type, const std::string& fallback) {
    char buffer[128];
    const int length = GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer);
    return length > 1 ? std::string(buffer, static_cast<std::size_t>(length - 1)) : fallback;
}

}  // namespace

DateNames UserDateNames() {
    const DateNames& english = EnglishDateNames();
    DateNames names;
    for (int i = 0; i < 12; ++i) {
        names.months[i] = LocaleText(LOCALE_SMONTHNAME1 + i, english.months[i]);
        names.abbreviatedMonths[i] = LocaleText(LOCALE_SABBREVMONTHNAME1 + i, english.abbreviatedMonths[i]);
    }
    // The platform counts days from Monday (LOCALE_SDAYNAME1); the names here start on Sunday.
    for (int i = 0; i < 7; ++i) {
        const int fromMonday = (i + 6) % 7;
        names.days[i] = LocaleText(LOCALE_SDAYNAME1 + fromMonday, english.days[i]);
        names.abbreviatedDays[i] = LocaleText(LOCALE_SABBREVDAYNAME1 + fromMonday, english.abbreviatedDays[i]);
    }
    names.am = LocaleText(LOCALE_S1159, std::string());
    names.pm = LocaleText(LOCALE_S2359, std::string());
    return names;
}

}  // namespace glyphwright::platform
