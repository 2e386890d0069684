#include "screenshot.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "gui_framework.h"

namespace glyphwright::guitest {
namespace {

Picture CaptureScreenArea(const RECT& area) {
    Picture picture;
    picture.width = area.right - area.left;
    picture.height = area.bottom - area.top;
    if (picture.width <= 0 || picture.height <= 0) return {};
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, picture.width, picture.height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, picture.width, picture.height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, old);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    const int stride = (picture.width * 3 + 3) & ~3;
    std::vector<std::uint8_t> bgr(static_cast<size_t>(stride) * picture.height);
    GetDIBits(memory, bitmap, 0, picture.height, bgr.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    picture.rgb.resize(static_cast<size_t>(picture.width) * picture.height * 3);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            for (int c = 0; c < 3; ++c)
                picture.rgb[(static_cast<size_t>(y) * picture.width + x) * 3 + c] =
                    bgr[static_cast<size_t>(y) * stride + x * 3 + (2 - c)];
    return picture;
}

std::uint32_t Crc32(const std::uint8_t* data, size_t size, std::uint32_t crc = 0) {
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutChunk(std::vector<std::uint8_t>& out, const char type[5], const std::vector<std::uint8_t>& data) {
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBigEndian(out, Crc32(out.data() + start, out.size() - start));
}

// A zlib stream of stored (uncompressed) deflate blocks: no compression library needed, and
// the pictures are only kept beside the build.
std::vector<std::uint8_t> StoredZlib(const std::vector<std::uint8_t>& raw) {
    std::vector<std::uint8_t> out{0x78, 0x01};
    size_t offset = 0;
    do {
        const size_t length = std::min<size_t>(raw.size() - offset, 65535);
        const bool last = offset + length == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<std::uint8_t>(length));
        out.push_back(static_cast<std::uint8_t>(length >> 8));
        out.push_back(static_cast<std::uint8_t>(~length));
        out.push_back(static_cast<std::uint8_t>(~length >> 8));
        out.insert(out.end(), raw.begin() + offset, raw.begin() + offset + length);
        offset += length;
    } while (offset < raw.size());
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutBigEndian(out, (b << 16) | a);
    return out;
}

std::vector<std::uint8_t> EncodePng(const Picture& picture) {
    std::vector<std::uint8_t> raw;
    raw.reserve(static_cast<size_t>(picture.width * 3 + 1) * picture.height);
    for (int y = 0; y < picture.height; ++y) {
        raw.push_back(0);  // filter: none
        const auto row = picture.rgb.begin() + static_cast<ptrdiff_t>(y) * picture.width * 3;
        raw.insert(raw.end(), row, row + picture.width * 3);
    }
    std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    PutBigEndian(header, static_cast<std::uint32_t>(picture.width));
    PutBigEndian(header, static_cast<std::uint32_t>(picture.height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter, no interlace
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", StoredZlib(raw));
    PutChunk(png, "IEND", {});
    return png;
}

}  // namespace

Picture CaptureWindowPicture(HWND window) {
    RECT area{};
    if (!GetWindowRect(window, &area)) return {};
    RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    IntersectRect(&area, &area, &screen);

    Picture picture = CaptureScreenArea(area);
    WaitUntil([&] {
        Picture again = CaptureScreenArea(area);
        const bool steady = again == picture;
        picture = std::move(again);
        return steady;
    }, 5000);
    return picture;
}

bool SaveWindowScreenshot(HWND window, const std::string& path) {
    const Picture picture = CaptureWindowPicture(window);
    if (picture.width == 0) return false;

    for (size_t i = 3; i < path.size(); ++i)
        if (path[i] == '\\' || path[i] == '/') CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
    const std::vector<std::uint8_t> png = EncodePng(picture);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, png.data(), static_cast<DWORD>(png.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == png.size();
}

namespace {

bool IsDark(const Picture& picture, int x, int y) {
    const std::uint8_t* pixel = &picture.rgb[(static_cast<size_t>(y) * picture.width + x) * 3];
    return pixel[0] + pixel[1] + pixel[2] < 3 * 96;
}

}  // namespace

int DarkRowBands(const Picture& picture) {
    int bands = 0;
    bool inBand = false;
    for (int y = 0; y < picture.height; ++y) {
        bool dark = false;
        for (int x = 0; x < picture.width && !dark; ++x) dark = IsDark(picture, x, y);
        bands += dark && !inBand;
        inBand = dark;
    }
    return bands;
}

int LongestDarkVerticalRun(const Picture& picture) {
    int longest = 0;
    for (int x = 0; x < picture.width; ++x) {
        int run = 0;
        for (int y = 0; y < picture.height; ++y) {
            run = IsDark(picture, x, y) ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

}  // namespace glyphwright::guitest
