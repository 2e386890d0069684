#include "ui/font.h"

#include <cstring>

namespace glyphwright::ui {

Font::Font(const char* face, int height, BYTE charset) {
    font_ = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charset,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH | FF_DONTCARE, face);
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

}  // namespace glyphwright::ui
