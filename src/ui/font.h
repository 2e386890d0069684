#pragma once
// A GDI font owned for the life of the program's window.

#include <windows.h>

namespace glyphwright::ui {

class Font {
public:
    // height follows the CreateFont convention: negative is the character height in pixels.
    Font(const char* face, int height, BYTE charset = DEFAULT_CHARSET);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    HFONT Handle() const { return font_; }
    // The full line height (tmHeight) of text in this font.
    int LineHeight() const;
    // Width and height of one line of text in this font.
    SIZE Measure(const char* text) const;

private:
    HFONT font_ = nullptr;
};

}  // namespace glyphwright::ui
