#include "app/logo.h"

#include "app/logo_placement.h"
#include "app/main_window.h"

namespace glyphwright {

namespace {

constexpr int kCornerEllipse = 7;

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

}  // namespace

LogoBitmap::~LogoBitmap() {
    Replace(nullptr);
}

void LogoBitmap::Replace(HBITMAP bitmap) {
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = bitmap;
    size_ = {};
    BITMAP facts{};
    if (bitmap_ && GetObjectA(bitmap_, sizeof facts, &facts)) {
        size_ = {facts.bmWidth, facts.bmHeight < 0 ? -facts.bmHeight : facts.bmHeight};
    }
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
    window.logo.Replace(LoadLogoBitmap());  // the previous bitmap is deleted here
    const SIZE size = window.logo.Size();

    const int frameWidth = window.logoFrame->Bounds().width;
    box.SetBounds({LogoLeft(frameWidth, size.cx), kLogoTop, size.cx, size.cy});

    // The rounded region is set here, when the logo is loaded, and only when its size
    // changed: setting it with redraw inside the paint handler would invalidate the box
    // again and paint forever.
    const bool sizeChanged = !hadLogo || before.cx != size.cx || before.cy != size.cy;
    if (!window.logo.Handle()) {
        SetWindowRgn(box.Handle(), nullptr, TRUE);
    } else if (sizeChanged) {
        HRGN region = CreateRoundRectRgn(0, 0, size.cx, size.cy, kCornerEllipse, kCornerEllipse);
        SetWindowRgn(box.Handle(), region, TRUE);  // the window owns the region from now on
    }

    if (window.logo.Handle()) {
        HDC dc = GetDC(box.Handle());
        DrawLogo(window.logo.Handle(), size, dc);
        ReleaseDC(box.Handle(), dc);
    }
}

void PaintLogo(MainWindow& window, HDC dc) {
    if (!window.logo.Handle()) return;
    DrawLogo(window.logo.Handle(), window.logo.Size(), dc);
}

}  // namespace glyphwright
