#include "ui/font.h"

#include <cstring>

namespace glyphwright::ui {

Font::Font(const char* face, int height, BYTE charset, BYTE pitchAndFamily, int width) {
    font_ = CreateFontA(height, width, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charset,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, pitchAndFamily,
                        face);
}

Font::~Font() {
    if (font_) DeleteObject(font_);
}

int Font::LineHeight() const {
    return Measure("0").cy;
}

SIZE Font::Measure(const char* text) const {
    SIZE size{};
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font_);
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    size.cy = metrics.tmHeight;
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size;
}

BYTE Font::MappedCharset() const {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font_);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return metrics.tmCharSet;
}

}  // namespace glyphwright::ui
