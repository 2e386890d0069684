#pragma once
// UTF-16 at the edge of the Windows API. Paths live in the program as UTF-8, which holds every
// character a file name can; the form's texts stay in the system code page. Either becomes
// UTF-16 only where it meets a wide function, in a plain buffer: the library's copy of
// std::wstring would bring the runtime's exception machinery back into the release build.
// Windows only.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace glyphwright::platform {

// UTF-16 text ending with a NUL, ready for a wide call.
using WideText = std::vector<wchar_t>;

WideText Widen(std::string_view text, UINT codePage = CP_UTF8);

// `length` characters, or up to the first NUL when it is -1.
std::string Narrow(const wchar_t* text, int length = -1, UINT codePage = CP_UTF8);

// A UTF-8 path for the wide file functions. A path too long for the system's plain limit is
// made canonical here first and given the "\\?\" form, which lifts the limit but also turns off
// the system's own clean-up (doubled separators, "." and ".." parts).
WideText WidePath(std::string_view path);

}  // namespace glyphwright::platform
