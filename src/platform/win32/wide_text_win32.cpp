#include "platform/wide_text.h"

#include "platform/path_text.h"

namespace glyphwright::platform {

WideText Widen(std::string_view text, UINT codePage) {
    WideText wide;
    if (text.size() > 0x7fffffff) return WideText(1, L'\0');
    const int length = static_cast<int>(text.size());
    const int needed =
        length == 0 ? 0 : MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    wide.resize(static_cast<std::size_t>(needed) + 1, L'\0');
    if (needed > 0) MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), needed);
    return wide;
}

std::string Narrow(const wchar_t* text, int length, UINT codePage) {
    if (!text) return std::string();
    if (length < 0) length = static_cast<int>(wcslen(text));
    if (length == 0) return std::string();
    const int needed = WideCharToMultiByte(codePage, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(needed > 0 ? needed : 0), '\0');
    if (needed > 0) {
        WideCharToMultiByte(codePage, 0, text, length, &narrow[0], needed, nullptr, nullptr);
    }
    return narrow;
}

WideText WidePath(std::string_view path) {
    WideText wide = Widen(path);
    // CreateDirectory's limit is MAX_PATH - 12 (room for an 8.3 name); below it every call
    // takes the path as it is, and the system cleans it up as it always has.
    if (wide.size() - 1 < MAX_PATH - 12) return wide;
    if (wide.size() > 4 && wide[0] == L'\\' && wide[1] == L'\\' && (wide[2] == L'?' || wide[2] == L'.') &&
        wide[3] == L'\\') {
        return wide;
    }
    const DWORD needed = GetFullPathNameW(wide.data(), 0, nullptr, nullptr);
    if (needed == 0) return wide;
    WideText full(needed + 1, L'\0');
    const DWORD length = GetFullPathNameW(wide.data(), needed + 1, full.data(), nullptr);
    if (length == 0 || length > needed) return wide;
    full.resize(length + 1);
    // "\\server\share\..." becomes "\\?\UNC\server\share\...", "C:\..." becomes "\\?\C:\...".
    const bool unc = length > 2 && full[0] == L'\\' && full[1] == L'\\';
    const wchar_t* const prefix = unc ? L"\\\\?\\UNC" : L"\\\\?\\";
    WideText result(prefix, prefix + wcslen(prefix));
    result.insert(result.end(), full.begin() + (unc ? 1 : 0), full.end());
    return result;
}

std::string PathFromAnsi(std::string_view text) {
    const WideText wide = Widen(text, CP_ACP);
    return Narrow(wide.data(), static_cast<int>(wide.size() - 1));
}

std::string AnsiFromPath(std::string_view path) {
    const WideText wide = Widen(path);
    return Narrow(wide.data(), static_cast<int>(wide.size() - 1), CP_ACP);
}

}  // namespace glyphwright::platform
