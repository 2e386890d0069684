#include "model/date_text.h"

#include <vector>

namespace glyphwright {
namespace {

// One element of a picture: a run of one pattern letter, or literal text.
struct PictureItem {
    char letter = 0;  // 0 for literal text
    int count = 0;
    std::string literal;
};

bool IsPatternLetter(char c) {
    switch (c) {
        case 'd': case 'M': case 'y': case 'g': case 'h': case 'H': case 'm': case 's': case 't':
            return true;
        default:
            return false;
    }
}

std::vector<PictureItem> SplitPicture(std::string_view picture) {
    std::vector<PictureItem> items;
    auto appendLiteral = [&items](char c) {
        if (items.empty() || items.back().letter != 0) items.push_back(PictureItem{});
        items.back().literal += c;
    };
    std::size_t i = 0;
    while (i < picture.size()) {
        const char c = picture[i];
        if (IsPatternLetter(c)) {
            std::size_t run = i;
            while (run < picture.size() && picture[run] == c) ++run;
            items.push_back(PictureItem{c, static_cast<int>(run - i), std::string()});
            i = run;
        } else if (c == '\'') {
            // Quoted literal text; two quotes in a row stand for one quote.
            ++i;
            while (i < picture.size()) {
                if (picture[i] == '\'') {
                    if (i + 1 < picture.size() && picture[i + 1] == '\'') {
                        appendLiteral('\'');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                appendLiteral(picture[i++]);
            }
        } else {
            appendLiteral(c);
            ++i;
        }
    }
    return items;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\xA0'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (prefix.empty() || text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (Lower(text[i]) != Lower(prefix[i])) return false;
    }
    return true;
}

int DaysInMonth(int year, int month) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// 0 for Sunday.
int DayOfWeek(int year, int month, int day) {
    static const int kOffsets[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3) year -= 1;
    return (year + year / 4 - year / 100 + year / 400 + kOffsets[month - 1] + day) % 7;
}

class TextCursor {
public:
    explicit TextCursor(std::string_view text) : text_(text) {}
    void SkipBlanks() {
        while (position_ < text_.size() && IsBlank(text_[position_])) ++position_;
    }
    bool AtEnd() const { return position_ >= text_.size(); }
    bool OnlyBlanksLeft() const {
        for (std::size_t i = position_; i < text_.size(); ++i) {
            if (!IsBlank(text_[i])) return false;
        }
        return true;
    }
    // Up to `maxDigits` digits, at least one.
    std::optional<int> Number(int maxDigits) {
        SkipBlanks();
        int value = 0;
        int digits = 0;
        while (digits < maxDigits && position_ < text_.size() && IsDigit(text_[position_])) {
            value = value * 10 + (text_[position_++] - '0');
            ++digits;
        }
        if (digits == 0) return std::nullopt;
        return value;
    }
    bool Literal(char c) {
        if (position_ < text_.size() && Lower(text_[position_]) == Lower(c)) {
            ++position_;
            return true;
        }
        return false;
    }
    // The index of the longest name the text continues with.
    template <typename Names>
    std::optional<int> Name(const Names& names) {
        SkipBlanks();
        std::optional<int> best;
        std::size_t bestLength = 0;
        for (std::size_t i = 0; i < names.size(); ++i) {
            const std::string& name = names[i];
            if (name.size() > bestLength && StartsWithNoCase(text_.substr(position_), name)) {
                best = static_cast<int>(i);
                bestLength = name.size();
            }
        }
        position_ += bestLength;
        return best;
    }
    void SkipEra() {
        while (position_ < text_.size() && !IsDigit(text_[position_]) && !IsBlank(text_[position_])) ++position_;
    }

private:
    std::string_view text_;
    std::size_t position_ = 0;
};

struct ParsedParts {
    std::optional<int> day, month, year, hour12, hour24, minute, second;
    std::optional<bool> afternoon;
};

bool ReadItem(const PictureItem& item, TextCursor& text, ParsedParts& parts,
              const platform::DateNames& names) {
    if (item.letter == 0) {
        for (char c : item.literal) {
            if (IsBlank(c)) {
                text.SkipBlanks();
            } else if (!text.Literal(c)) {
                return false;
            }
        }
        return true;
    }
    switch (item.letter) {
        case 'd':
            if (item.count <= 2) return (parts.day = text.Number(2)).has_value();
            {
                std::vector<std::string> dayNames(names.days.begin(), names.days.end());
                dayNames.insert(dayNames.end(), names.abbreviatedDays.begin(), names.abbreviatedDays.end());
                return text.Name(dayNames).has_value();
            }
        case 'M':
            if (item.count <= 2) return (parts.month = text.Number(2)).has_value();
            {
                std::vector<std::string> monthNames(names.months.begin(), names.months.end());
                monthNames.insert(monthNames.end(), names.abbreviatedMonths.begin(), names.abbreviatedMonths.end());
                const std::optional<int> index = text.Name(monthNames);
                if (!index) return false;
                parts.month = *index % 12 + 1;
                return true;
            }
        case 'y':
            if (item.count <= 2) {
                const std::optional<int> shortYear = text.Number(2);
                if (!shortYear) return false;
                // Two-digit years fall in 1950..2049, the platform's usual window.
                parts.year = *shortYear < 50 ? 2000 + *shortYear : 1900 + *shortYear;
                return true;
            }
            return (parts.year = text.Number(4)).has_value();
        case 'g':
            text.SkipEra();
            return true;
        case 'h':
            return (parts.hour12 = text.Number(2)).has_value();
        case 'H':
            return (parts.hour24 = text.Number(2)).has_value();
        case 'm':
            return (parts.minute = text.Number(2)).has_value();
        case 's':
            return (parts.second = text.Number(2)).has_value();
        case 't': {
            if (names.am.empty() && names.pm.empty()) return true;
            text.SkipBlanks();
            std::vector<std::string> designators;
            if (item.count == 1) {
                designators = {names.am.substr(0, 1), names.pm.substr(0, 1)};
            } else {
                designators = {names.am, names.pm};
            }
            const std::optional<int> index = text.Name(designators);
            if (!index) return false;
            parts.afternoon = *index == 1;
            return true;
        }
        default:
            return false;
    }
}

std::string Padded(int value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

}  // namespace

std::optional<DateTimeValue> ParseDateText(std::string_view text, std::string_view picture,
                                           const platform::DateNames& names) {
    const std::vector<PictureItem> items = SplitPicture(picture);
    TextCursor cursor(text);
    cursor.SkipBlanks();
    ParsedParts parts;
    for (const PictureItem& item : items) {
        // The text may end once the date is complete; the time then counts as midnight.
        if (cursor.OnlyBlanksLeft() && parts.day && parts.month && parts.year) break;
        if (!ReadItem(item, cursor, parts, names)) return std::nullopt;
    }
    cursor.SkipBlanks();
    if (!cursor.AtEnd() || !parts.day || !parts.month || !parts.year) return std::nullopt;

    DateTimeValue value;
    value.year = *parts.year;
    value.month = *parts.month;
    value.day = *parts.day;
    if (parts.hour24) {
        value.hour = *parts.hour24;
    } else if (parts.hour12) {
        if (*parts.hour12 > 12) return std::nullopt;
        value.hour = *parts.hour12 % 12;
        if (parts.afternoon.value_or(false)) value.hour += 12;
    }
    value.minute = parts.minute.value_or(0);
    value.second = parts.second.value_or(0);

    if (value.year < 1601 || value.year > 9999 || value.month < 1 || value.month > 12) return std::nullopt;
    if (value.day < 1 || value.day > DaysInMonth(value.year, value.month)) return std::nullopt;
    if (value.hour > 23 || value.minute > 59 || value.second > 59) return std::nullopt;
    return value;
}

std::string FormatDateText(const DateTimeValue& value, std::string_view picture,
                           const platform::DateNames& names) {
    std::string text;
    for (const PictureItem& item : SplitPicture(picture)) {
        const int count = item.count;
        switch (item.letter) {
            case 0:
                text += item.literal;
                break;
            case 'd':
                if (count <= 2) {
                    text += Padded(value.day, count);
                } else {
                    const int weekday = DayOfWeek(value.year, value.month, value.day);
                    text += count == 3 ? names.abbreviatedDays[weekday] : names.days[weekday];
                }
                break;
            case 'M':
                if (count <= 2) text += Padded(value.month, count);
                else text += count == 3 ? names.abbreviatedMonths[value.month - 1] : names.months[value.month - 1];
                break;
            case 'y':
                text += count <= 2 ? Padded(value.year % 100, count) : Padded(value.year, 4);
                break;
            case 'g':
                break;
            case 'h':
                text += Padded(value.hour % 12 == 0 ? 12 : value.hour % 12, count);
                break;
            case 'H':
                text += Padded(value.hour, count);
                break;
            case 'm':
                text += Padded(value.minute, count);
                break;
            case 's':
                text += Padded(value.second, count);
                break;
            case 't': {
                const std::string& designator = value.hour < 12 ? names.am : names.pm;
                text += count == 1 ? designator.substr(0, 1) : designator;
                break;
            }
        }
    }
    return text;
}

}  // namespace glyphwright
