#include "app/logo.h"

#include <cstring>

#include "app/logo_placement.h"
#include "app/logo_scaling.h"
#include "app/main_window.h"

namespace glyphwright {

namespace {

constexpr int kCornerEllipse = 7;  // at 96 DPI

void DrawLogo(HBITMAP bitmap, SIZE size, HDC dc) {
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap);
    BitBlt(dc, 0, 0, size.cx, size.cy, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}

// Some systems refuse to turn a compressed (RLE) resource into a DIB section directly; the
// section is then made uncompressed and filled by SetDIBits, which expands RLE8 itself.
HBITMAP DecodeLogoResource() {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, "LOGO", MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* info = loaded ? static_cast<const BITMAPINFO*>(LockResource(loaded)) : nullptr;
    if (!info || SizeofResource(module, found) < sizeof(BITMAPINFOHEADER)) return nullptr;

    const BITMAPINFOHEADER& header = info->bmiHeader;
    DWORD colours = header.biClrUsed;
    if (colours == 0 && header.biBitCount <= 8) colours = 1u << header.biBitCount;
    const auto* bits = reinterpret_cast<const BYTE*>(info) + header.biSize + colours * sizeof(RGBQUAD);

    // An uncompressed copy of the header with the same palette.
    std::size_t infoSize = header.biSize + colours * sizeof(RGBQUAD);
    auto* plain = static_cast<BITMAPINFO*>(HeapAlloc(GetProcessHeap(), 0, infoSize));
    if (!plain) return nullptr;
    CopyMemory(plain, info, infoSize);
    plain->bmiHeader.biCompression = BI_RGB;
    plain->bmiHeader.biSizeImage = 0;

    HDC screen = GetDC(nullptr);
    void* pixels = nullptr;
    HBITMAP section = CreateDIBSection(screen, plain, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (section) {
        SetDIBits(screen, section, 0, static_cast<UINT>(header.biHeight), bits, info,
                  DIB_RGB_COLORS);
    }
    ReleaseDC(nullptr, screen);
    HeapFree(GetProcessHeap(), 0, plain);
    return section;
}

BITMAPINFO TopDownRgb(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// The bitmap's pixels as 0x00RRGGBB, which is how 32-bit DIB rows hold them.
Pixels ReadPixels(HBITMAP bitmap, SIZE size) {
    Pixels pixels;
    pixels.width = size.cx;
    pixels.height = size.cy;
    pixels.rgb.resize(static_cast<std::size_t>(size.cx) * static_cast<std::size_t>(size.cy));
    BITMAPINFO info = TopDownRgb(size.cx, size.cy);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(size.cy), pixels.rgb.data(),
                               &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != size.cy) pixels = {};
    return pixels;
}

HBITMAP MakeBitmap(const Pixels& pixels) {
    if (pixels.rgb.empty()) return nullptr;
    BITMAPINFO info = TopDownRgb(pixels.width, pixels.height);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap) std::memcpy(bits, pixels.rgb.data(), pixels.rgb.size() * sizeof pixels.rgb[0]);
    return bitmap;
}

// Sizes and places the box for the logo as it is now shown, and gives it its rounded shape.
// The region is set here, when the logo is loaded or rescaled, and only when its size changed:
// setting it with redraw inside the paint handler would invalidate the box again and paint
// forever.
void FitBox(MainWindow& window, bool hadLogo, SIZE before) {
    ui::PaintBox& box = *window.logoBox;
    const SIZE size = window.logo.Size();
    const int dpi = box.Dpi();
    const int frameWidth = window.logoFrame->Bounds().width;
    box.SetBounds({LogoLeft(frameWidth, size.cx, dpi), LogoTop(dpi), size.cx, size.cy});
    const bool sizeChanged = !hadLogo || before.cx != size.cx || before.cy != size.cy;
    if (!window.logo.Handle()) {
        SetWindowRgn(box.Handle(), nullptr, TRUE);
    } else if (sizeChanged) {
        const int corner = ui::Scale(kCornerEllipse, dpi);
        HRGN region = CreateRoundRectRgn(0, 0, size.cx, size.cy, corner, corner);
        SetWindowRgn(box.Handle(), region, TRUE);  // the window owns the region from now on
    }
}

}  // namespace

LogoBitmap::~LogoBitmap() {
    Replace(nullptr, ui::kBaseDpi);
}

void LogoBitmap::Replace(HBITMAP bitmap, int dpi) {
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = bitmap;
    size_ = {};
    BITMAP facts{};
    if (bitmap_ && GetObjectA(bitmap_, sizeof facts, &facts)) {
        size_ = {facts.bmWidth, facts.bmHeight < 0 ? -facts.bmHeight : facts.bmHeight};
    }
    Rescale(dpi);
}

void LogoBitmap::Rescale(int dpi) {
    if (scaled_) DeleteObject(scaled_);
    scaled_ = nullptr;
    scaledSize_ = {};
    if (!bitmap_ || dpi == ui::kBaseDpi) return;
    const int width = ui::Scale(size_.cx, dpi), height = ui::Scale(size_.cy, dpi);
    scaled_ = MakeBitmap(ResampleByArea(ReadPixels(bitmap_, size_), width, height));
    if (scaled_) scaledSize_ = {width, height};
}

HBITMAP LoadLogoBitmap() {
    auto bitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), "LOGO", IMAGE_BITMAP,
                                                  0, 0, LR_CREATEDIBSECTION));
    return bitmap ? bitmap : DecodeLogoResource();
}

void ShowLogo(MainWindow& window) {
    ui::PaintBox& box = *window.logoBox;
    const SIZE before = window.logo.Size();
    const bool hadLogo = window.logo.Handle() != nullptr;
    window.logo.Replace(LoadLogoBitmap(), box.Dpi());  // the previous bitmaps are deleted here
    FitBox(window, hadLogo, before);
    if (window.logo.Handle()) {
        HDC dc = GetDC(box.Handle());
        DrawLogo(window.logo.Handle(), window.logo.Size(), dc);
        ReleaseDC(box.Handle(), dc);
    }
}

void FitLogo(MainWindow& window) {
    if (!window.logo.Handle()) return;
    const SIZE before = window.logo.Size();
    window.logo.Rescale(window.logoBox->Dpi());
    FitBox(window, true, before);
    InvalidateRect(window.logoBox->Handle(), nullptr, FALSE);
}

void PaintLogo(MainWindow& window, HDC dc) {
    if (!window.logo.Handle()) return;
    DrawLogo(window.logo.Handle(), window.logo.Size(), dc);
}

}  // namespace glyphwright
