#include "platform/profile_text.h"

#include <algorithm>
#include <cstdint>

#include "platform/files.h"

namespace glyphwright::platform {
namespace {

// The characters the platform drops around lines, names and values.
bool IsProfileSpace(char c) {
    switch (c) {
        case '\t': case '\n': case '\v': case '\f': case '\r': case '\x1a': case ' ':
            return true;
        default:
            return false;
    }
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsProfileSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsProfileSpace(text.back())) text.remove_suffix(1);
    return text;
}

// The platform hands names and values around as C strings: a NUL ends them.
std::string_view CutAtNul(std::string_view text) {
    const std::size_t nul = text.find('\0');
    return nul == std::string_view::npos ? text : text.substr(0, nul);
}

// Names are given by the caller as C strings and trimmed before they are compared.
std::string_view QueryName(std::string_view name) { return Trim(CutAtNul(name)); }

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

// The default loses its trailing blanks (not tabs), but never its first character.
std::string_view StripDefault(std::string_view text) {
    text = CutAtNul(text);
    while (text.size() > 1 && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// Copies a value into a buffer of `bufferSize` characters as the platform does, quote pair
// included. When the value without its opening quote is exactly as long as the buffer, the
// platform drops one character too many; this keeps that, so both read alike.
std::string CopyEntry(std::string_view value, std::size_t bufferSize, bool stripQuotes) {
    bool quoted = false;
    if (stripQuotes && value.size() > 1 && (value.front() == '\'' || value.front() == '"') &&
        value.back() == value.front()) {
        quoted = true;
        value.remove_prefix(1);
    }
    std::string copy(value.substr(0, std::min(value.size(), bufferSize - 1)));
    if (quoted && bufferSize >= value.size() && !copy.empty()) copy.pop_back();
    return copy;
}

// Code page 1252 for the characters 0x80..0x9F; the rest of the page is Latin-1.
constexpr std::uint16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char ToCp1252(std::uint32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<char>(codePoint);
    }
    for (int i = 0; i < 32; ++i) {
        if (kCp1252High[i] == codePoint) return static_cast<char>(0x80 + i);
    }
    return '?';
}

std::string DecodeUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int extra = 0;
        std::uint32_t codePoint = lead;
        if (lead < 0x80) {
            text += static_cast<char>(lead);
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            codePoint = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            codePoint = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            codePoint = lead & 0x07;
        } else {
            text += '?';
            ++i;
            continue;
        }
        bool valid = i + extra < bytes.size();
        for (int k = 1; valid && k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) valid = false;
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        if (!valid) {
            text += '?';
            ++i;
            continue;
        }
        text += ToCp1252(codePoint);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return text;
}

std::string DecodeUtf16(std::string_view bytes, bool bigEndian) {
    std::string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        const std::uint32_t unit = bigEndian ? (a << 8 | b) : (b << 8 | a);
        text += (unit >= 0xD800 && unit <= 0xDFFF) ? '?' : ToCp1252(unit);
    }
    return text;
}

}  // namespace

ProfileText::ProfileText(std::string_view fileBytes) {
    if (fileBytes.size() >= 3 && fileBytes.substr(0, 3) == "\xEF\xBB\xBF") {
        text_ = DecodeUtf8(fileBytes.substr(3));
        writable_ = false;
    } else if (fileBytes.size() >= 2 && fileBytes.substr(0, 2) == "\xFF\xFE") {
        text_ = DecodeUtf16(fileBytes.substr(2), false);
        writable_ = false;
    } else if (fileBytes.size() >= 2 && fileBytes.substr(0, 2) == "\xFE\xFF") {
        text_ = DecodeUtf16(fileBytes.substr(2), true);
        writable_ = false;
    } else {
        text_.assign(fileBytes);
    }
    Parse();
}

ProfileText ProfileText::Unreadable() {
    ProfileText text;
    text.readable_ = false;
    text.writable_ = false;
    return text;
}

void ProfileText::Parse() {
    sections_.clear();
    sections_.push_back(Section{});  // entries before the first header
    Section* current = &sections_.back();
    bool havePrevious = false;
    bool previousNameEmpty = false;

    std::size_t position = 0;
    while (position < text_.size()) {
        const std::size_t lineStart = position;
        std::size_t contentEnd = text_.find_first_of("\r\n", position);
        if (contentEnd == std::string::npos) contentEnd = text_.size();
        std::size_t after = contentEnd;
        bool needsBreak = false;
        if (contentEnd == text_.size()) {
            needsBreak = true;
        } else if (text_[contentEnd] == '\r' && contentEnd + 1 < text_.size() && text_[contentEnd + 1] == '\n') {
            after = contentEnd + 2;
        } else {
            after = contentEnd + 1;
        }
        position = contentEnd == text_.size() ? contentEnd : contentEnd + 1;

        std::size_t begin = lineStart;
        std::size_t end = contentEnd;
        while (begin < end && IsProfileSpace(text_[begin])) ++begin;
        while (end > begin && IsProfileSpace(text_[end - 1])) --end;
        if (begin >= end) continue;
        const std::string_view line(text_.data() + begin, end - begin);

        if (line.front() == '[') {
            const std::size_t close = line.rfind(']');
            if (close != std::string_view::npos && close > 0) {
                Section section;
                section.name = std::string(CutAtNul(Trim(line.substr(1, close - 1))));
                section.headerAt = begin;
                section.insertAt = after;
                section.insertNeedsBreak = needsBreak;
                sections_.push_back(std::move(section));
                current = &sections_.back();
                havePrevious = false;
                continue;
            }
        }

        current->insertAt = after;
        current->insertNeedsBreak = needsBreak;
        Entry entry;
        std::size_t rawNameLength = line.size();
        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos) {
            const std::string_view name = Trim(line.substr(0, equals));
            rawNameLength = name.size();
            entry.name = std::string(CutAtNul(name));
            entry.value = std::string(CutAtNul(Trim(line.substr(equals + 1))));
        } else {
            entry.name = std::string(CutAtNul(line));
        }
        // Like the platform, a nameless entry right after another nameless one is dropped.
        if (rawNameLength == 0 && havePrevious && previousNameEmpty) continue;
        entry.lineBegin = begin;
        entry.lineEnd = end;
        havePrevious = true;
        previousNameEmpty = entry.name.empty();
        current->entries.push_back(std::move(entry));
    }
}

const ProfileText::Section* ProfileText::FindSection(std::string_view name, bool trimQuery) const {
    const std::string_view wanted = trimQuery ? QueryName(name) : CutAtNul(name);
    for (const Section& section : sections_) {
        if (SameName(section.name, wanted)) return &section;
    }
    return nullptr;
}

const ProfileText::Entry* ProfileText::FindEntry(const Section& section, std::string_view key) {
    const std::string_view wanted = QueryName(key);
    for (const Entry& entry : section.entries) {
        if (SameName(entry.name, wanted)) return &entry;
    }
    return nullptr;
}

std::string ProfileText::GetString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue, std::size_t bufferSize) const {
    if (bufferSize == 0) return std::string();
    const std::string_view fallback = StripDefault(defaultValue);
    if (!readable_) return CopyEntry(fallback, bufferSize, false);
    const Section* found = FindSection(section);
    const Entry* entry = found != nullptr ? FindEntry(*found, key) : nullptr;
    if (entry != nullptr && entry->value) return CopyEntry(*entry->value, bufferSize, true);
    return CopyEntry(fallback, bufferSize, true);
}

bool ProfileText::HasValue(std::string_view section, std::string_view key) const {
    if (!readable_) return false;
    const Section* found = FindSection(section);
    const Entry* entry = found != nullptr ? FindEntry(*found, key) : nullptr;
    return entry != nullptr && entry->value.has_value();
}

std::vector<std::string> ProfileText::GetSectionLines(std::string_view section,
                                                      std::size_t bufferSize) const {
    std::vector<std::string> lines;
    if (bufferSize < 2 || !readable_) return lines;
    // Unlike a single value's lookup, the section listing takes the name as it is given.
    const Section* found = FindSection(section, false);
    if (found == nullptr) return lines;

    // The platform lays the entries out NUL-separated; when they do not fit with room to
    // spare, it keeps the first bufferSize - 2 characters and closes the list there.
    std::string listing;
    for (const Entry& entry : found->entries) {
        if (entry.name.empty() && !entry.value) continue;
        if (!entry.name.empty() && entry.name.front() == ';') continue;
        listing += entry.name;
        if (entry.value) {
            listing += '=';
            listing += *entry.value;
        }
        listing += '\0';
    }
    if (listing.size() + 1 >= bufferSize) listing.resize(bufferSize - 2);

    std::size_t start = 0;
    while (start < listing.size()) {
        std::size_t nul = listing.find('\0', start);
        if (nul == std::string::npos) nul = listing.size();
        lines.emplace_back(listing, start, nul - start);
        start = nul + 1;
    }
    return lines;
}

int ProfileText::GetInt(std::string_view section, std::string_view key, int defaultValue) const {
    // The platform reads the number from a value cut to 29 characters.
    const std::string text = GetString(section, key, std::string_view(), 30);
    if (text.empty()) return defaultValue;
    std::size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    unsigned base = 10;
    if (i + 1 < text.size() && text[i] == '0') {
        const char prefix = text[i + 1];
        if (prefix == 'x' || prefix == 'o' || prefix == 'b') {
            base = prefix == 'x' ? 16 : prefix == 'o' ? 8 : 2;
            i += 2;
        }
    }
    std::uint32_t number = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        unsigned digit;
        if (c >= '0' && c <= '9') digit = static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'z') digit = static_cast<unsigned>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'Z') digit = static_cast<unsigned>(c - 'A' + 10);
        else break;
        if (digit >= base) break;
        number = number * base + digit;
    }
    if (negative) number = 0u - number;
    return static_cast<int>(number);
}

std::optional<std::string> ProfileText::WithString(std::string_view section, std::string_view key,
                                                   std::string_view value) const {
    if (!writable_) return std::nullopt;
    const std::string_view sectionName = QueryName(section);
    const std::string_view keyName = QueryName(key);
    const std::string_view newValue = Trim(CutAtNul(value));

    std::string text = text_;
    const Section* found = FindSection(sectionName);
    if (found != nullptr) {
        const Entry* entry = FindEntry(*found, keyName);
        if (entry != nullptr) {
            if (entry->value && *entry->value == newValue) return text;
            std::string line = entry->name;
            line += '=';
            line.append(newValue);
            text.replace(entry->lineBegin, entry->lineEnd - entry->lineBegin, line);
            return text;
        }
        std::string line = found->insertNeedsBreak ? "\r\n" : "";
        line.append(keyName);
        line += '=';
        line.append(newValue);
        line += "\r\n";
        text.insert(found->insertAt, line);
        return text;
    }
    if (!text.empty() && text.back() != '\n' && text.back() != '\r') text += "\r\n";
    text += '[';
    text.append(sectionName);
    text += "]\r\n";
    text.append(keyName);
    text += '=';
    text.append(newValue);
    text += "\r\n";
    return text;
}

ProfileText LoadProfileText(const std::string& path) {
    std::string bytes;
    if (ReadWholeFile(path, bytes, SIZE_MAX)) return ProfileText(bytes);
    // Something is there but cannot be opened: the platform then answers with the defaults.
    if (FileExists(path) || DirectoryExists(path)) return ProfileText::Unreadable();
    return ProfileText(std::string_view());
}

}  // namespace glyphwright::platform
