#include "cli/project_encoding.h"

#include "cli/cp437_unicode.h"
#include "cli/utf8_check.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace glyphwright::cli {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool StartsWithMark(std::string_view bytes) {
    return bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark;
}

// One character in the ANSI code page, appended; false when the code page lacks it.
bool AppendAnsi(std::string& out, char32_t c) {
#ifdef _WIN32
    if (GetACP() == CP_UTF8) {
        AppendUtf8(out, c);
        return true;
    }
    wchar_t units[2];
    int count = 1;
    if (c >= 0x10000) {
        units[0] = static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
        units[1] = static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        count = 2;
    } else {
        units[0] = static_cast<wchar_t>(c);
    }
    char bytes[8];
    BOOL usedDefault = FALSE;
    // No best fit: a look-alike would be a silent change, '?' is a reported one.
    const int written = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, units, count, bytes,
                                            sizeof bytes, nullptr, &usedDefault);
    if (written <= 0 || usedDefault) return false;
    out.append(bytes, static_cast<std::size_t>(written));
    return true;
#else
    const std::optional<unsigned char> byte = UnicodeToCp1252(c);
    if (!byte) return false;
    out += static_cast<char>(*byte);
    return true;
#endif
}

}  // namespace

bool ParseProjectEncoding(std::string_view name, ProjectEncoding& encoding) {
    if (name == "auto")
        encoding = ProjectEncoding::Auto;
    else if (name == "ansi")
        encoding = ProjectEncoding::Ansi;
    else if (name == "utf-8" || name == "utf8")
        encoding = ProjectEncoding::Utf8;
    else
        return false;
    return true;
}

bool ReadsProjectAsUtf8(std::string_view bytes, ProjectEncoding encoding) {
    switch (encoding) {
        case ProjectEncoding::Ansi:
            return false;
        case ProjectEncoding::Utf8:
            return true;
        default:
            return StartsWithMark(bytes) || ReadsAsUtf8(ReadAsUtf8(bytes));
    }
}

AnsiConversion Utf8ToAnsi(std::string_view utf8) {
    if (StartsWithMark(utf8)) utf8.remove_prefix(kUtf8Mark.size());
    AnsiConversion converted;
    converted.bytes.reserve(utf8.size());
    std::size_t line = 1;
    const std::u32string text = DecodeUtf8(utf8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (c == '\n' || (c == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) ++line;
        if (c >= 0x80) ++converted.beyondAscii;
        if (c == kReplacementCharacter || !AppendAnsi(converted.bytes, c)) {
            converted.bytes += '?';
            converted.lost.push_back({line, c});
        }
    }
    return converted;
}

std::string AnsiCodePageName() {
#ifdef _WIN32
    return "code page " + std::to_string(GetACP());
#else
    return "code page 1252";
#endif
}

}  // namespace glyphwright::cli
