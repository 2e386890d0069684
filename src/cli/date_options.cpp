#include "cli/date_options.h"

#include <cstring>

#include "platform/locale.h"

#ifndef _WIN32
#include <langinfo.h>

#include <clocale>
#endif

namespace glyphwright::cli {
namespace {

constexpr char kFallbackPicture[] = "dd.MM.yyyy";

struct Conversion {
    char letter;
    const char* picture;
};
// %e pads with a blank where the picture has none; an unpadded day reads the same.
constexpr Conversion kConversions[] = {
    {'d', "dd"},  {'e', "d"},   {'m', "MM"},   {'Y', "yyyy"}, {'y', "yy"},
    {'b', "MMM"}, {'h', "MMM"}, {'B', "MMMM"}, {'a', "ddd"},  {'A', "dddd"},
};

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

void AppendLiteral(std::string& picture, std::string_view text) {
    bool letters = false;
    for (const char c : text) letters = letters || IsLetter(c) || c == '\'';
    if (!letters) {
        picture += text;
        return;
    }
    picture += '\'';
    for (const char c : text) picture += c == '\'' ? std::string("''") : std::string(1, c);
    picture += '\'';
}

}  // namespace

std::string PictureFromStrftime(std::string_view format) {
    std::string picture, literal;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            literal += format[i];
            continue;
        }
        if (++i == format.size()) return std::string();
        if (format[i] == '%') {
            literal += '%';
            continue;
        }
        // glibc's flags: "%-d" drops the leading zero; the others change padding or digits only.
        bool unpadded = false;
        while (i + 1 < format.size() && (format[i] == '-' || format[i] == '_' || format[i] == '0' ||
                                         format[i] == 'O' || format[i] == 'E')) {
            unpadded = unpadded || format[i] == '-';
            ++i;
        }
        const Conversion* found = nullptr;
        for (const Conversion& conversion : kConversions) {
            if (conversion.letter == format[i]) found = &conversion;
        }
        if (!found) return std::string();
        AppendLiteral(picture, literal);
        literal.clear();
        const std::string_view conversion = found->picture;
        picture += unpadded && (conversion == "dd" || conversion == "MM") ? conversion.substr(1)
                                                                          : conversion;
    }
    AppendLiteral(picture, literal);
    return picture;
}

std::string LocaleShortDatePicture() {
#ifdef _WIN32
    return platform::UserShortDateFormat();
#else
    const char* previous = std::setlocale(LC_TIME, nullptr);
    const std::string restore = previous ? previous : "C";
    const char* chosen = std::setlocale(LC_TIME, "");
    std::string picture;
    if (chosen && std::strcmp(chosen, "C") != 0 && std::strcmp(chosen, "POSIX") != 0 &&
        std::strncmp(chosen, "C.", 2) != 0) {
        picture = PictureFromStrftime(nl_langinfo(D_FMT));
    }
    std::setlocale(LC_TIME, restore.c_str());
    return picture.empty() ? kFallbackPicture : picture;
#endif
}

std::optional<DateTimeValue> ParseIsoDate(std::string_view text) {
    if (text.size() != 10) return std::nullopt;
    return ParseDateText(text, "yyyy-MM-dd");
}

}  // namespace glyphwright::cli
