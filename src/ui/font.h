#pragma once
// A GDI font owned for the life of the program's window.

#include <windows.h>

namespace glyphwright::ui {

class Font {
public:
    // height follows the CreateFont convention: negative is the character height in pixels;
    // width 0 lets the face keep its own proportions.
    Font(const char* face, int height, BYTE charset = DEFAULT_CHARSET,
         BYTE pitchAndFamily = DEFAULT_PITCH | FF_DONTCARE, int width = 0);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    HFONT Handle() const { return font_; }
    // The full line height (tmHeight) of text in this font.
    int LineHeight() const;
    // Width and height of one line of text in this font.
    SIZE Measure(const char* text) const;
    // The character set of the face the font mapper actually chose: a request for a face
    // the system lacks is answered with some other face, whatever set it has.
    BYTE MappedCharset() const;

private:
    HFONT font_ = nullptr;
};

}  // namespace glyphwright::ui
