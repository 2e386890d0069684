#include "app/bundled_font.h"

#include <windows.h>

#include <cstring>
#include <string>

#include "platform/files.h"
#include "platform/wide_text.h"

namespace glyphwright {
namespace {

int CALLBACK NoteFace(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;  // one is enough
}

bool OemTerminalInstalled() {
    LOGFONTA wanted{};
    wanted.lfCharSet = OEM_CHARSET;
    std::strcpy(wanted.lfFaceName, "Terminal");
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(screen, &wanted, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

}  // namespace

const char* BundledOemFontFile(unsigned oemCodePage) {
    return oemCodePage == 866 ? "term866.fon" : "term437.fon";
}

OemFontSource LoadBundledOemFontIfMissing() {
    if (OemTerminalInstalled()) return OemFontSource::System;
    const std::string path = platform::StartFolder() + BundledOemFontFile(GetOEMCP());
    // FR_PRIVATE: nothing is installed on the system, and the font goes with the process.
    if (platform::FileExists(path) &&
        AddFontResourceExW(platform::WidePath(path).data(), FR_PRIVATE, nullptr) > 0)
        return OemFontSource::Bundled;
    return OemFontSource::Missing;
}

}  // namespace glyphwright
