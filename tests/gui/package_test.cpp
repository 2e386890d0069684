// The portable package as a user meets it: unpacked into an empty folder and started in a
// Wine prefix that has no DOS font, it shows NFO art with joined frames, saves an NFO beside
// itself, and both executables carry the version the package is named after.
// Runs only when given the unpacked folder (--package); tests/package/package_test.sh does that.

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "app_session.h"
#include "gui_framework.h"
#include "release_support.h"
#include "screenshot.h"

namespace glyphwright::guitest {
namespace {

using namespace ids;

struct VersionResource {
    std::string fileVersion, productVersion, originalName, numbers;
};

VersionResource ReadVersionResource(const std::string& path) {
    VersionResource resource;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    std::vector<char> data(size);
    if (size == 0 || !GetFileVersionInfoA(path.c_str(), 0, size, data.data())) return resource;
    auto text = [&](const char* name) {
        char* value = nullptr;
        UINT length = 0;
        const std::string key = std::string("\\StringFileInfo\\040904B0\\") + name;
        if (!VerQueryValueA(data.data(), key.c_str(), reinterpret_cast<void**>(&value), &length))
            return std::string();
        return std::string(value, strnlen(value, length));
    };
    resource.fileVersion = text("FileVersion");
    resource.productVersion = text("ProductVersion");
    resource.originalName = text("OriginalFilename");
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length) && fixed) {
        resource.numbers = std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
                           std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
                           std::to_string(HIWORD(fixed->dwFileVersionLS));
    }
    return resource;
}

// "...\Glyphwright-1.2.3-win64\" -> "1.2.3"
std::string VersionInFolderName(std::string folder) {
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    const std::string name = folder.substr(folder.find_last_of("\\/") + 1);
    const std::string prefix = "Glyphwright-";
    if (name.compare(0, prefix.size(), prefix) != 0 || name.rfind('-') <= prefix.size())
        return std::string();
    return name.substr(prefix.size(), name.rfind('-') - prefix.size());
}

// Whether this process (in the same prefix as the program) finds an OEM "Terminal".
bool SystemHasOemTerminal() {
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font =
        CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, OEM_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Terminal");
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    DeleteObject(font);
    DeleteDC(dc);
    return metrics.tmCharSet == OEM_CHARSET;
}

GUI_SCENARIO(package_unpacked_program_saves_an_nfo_with_joined_frames) {
    if (Options().packageDir.empty()) {
        ReportNote("package scenario skipped: no --package folder given");
        return;
    }
    const std::string folder = Options().packageDir + "\\";
    const std::string version = VersionInFolderName(folder);
    REQUIRE(!version.empty());
    for (const char* exe : {"Glyphwright.exe", "glyphwright-cli.exe"}) {
        FailureContext context(exe);
        const VersionResource resource = ReadVersionResource(folder + exe);
        CHECK_EQ(resource.fileVersion, version);
        CHECK_EQ(resource.productVersion, version);
        CHECK_EQ(resource.numbers, version);
        CHECK_EQ(resource.originalName, std::string(exe));
    }
    // Otherwise the font beside the program would not be what the frames below are drawn with.
    CHECK(!SystemHasOemTerminal());

    InstallSpec layout;
    layout.existingFolder = Options().packageDir;
    AppSession app(layout);
    REQUIRE(app.Start());
    app.SetText(FieldId('A'), "Glyph Forge");
    app.SetText(FieldId('F'), "XYZ");
    // The first starter template in the list is the one made current at start.
    REQUIRE(!app.ListEntries(kNfoTemplateBox).empty());
    app.PostCommand(kCmdMakeNfo);
    app.PostCommand(kCmdSaveNfoDiz);
    app.Settle();

    const std::string nfo = app.Text(kNfoPreview);
    CHECK(nfo.find("Glyph Forge") != std::string::npos);
    CHECK_EQ(ReadBytes(folder + "Release\\Glyph Forge\\XYZ.nfo").value_or("<missing>"), nfo);
    // The frame's side bars run unbroken through more than 15 lines of the preview.
    const Picture picture = CaptureWindowPicture(app.Get(kNfoPreview));
    REQUIRE(picture.width > 0);
    CHECK(LongestDarkVerticalRun(picture) >= 15 * 8);
    if (!Options().shotsDir.empty())
        SaveWindowScreenshot(app.Window(), Options().shotsDir + "\\package-nfo.png");
}

}  // namespace
}  // namespace glyphwright::guitest
