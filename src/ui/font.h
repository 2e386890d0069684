#pragma once
// A GDI font owned for the life of the program's window.

#include <windows.h>

#include <memory>
#include <vector>

#include "ui/raster_cells.h"

namespace glyphwright::ui {

// What the font mapper is asked for.
struct FontRequest {
    const char* face = "";
    // The CreateFont convention: negative is the character height in pixels.
    int height = 0;
    BYTE charset = DEFAULT_CHARSET;
    BYTE pitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    // 0 lets the face keep its own proportions.
    int width = 0;
};

class Font {
public:
    explicit Font(const FontRequest& request);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // The font asked for where the system has its face; where the font mapper would answer
    // with some other face, or with the face in another character set than the one asked
    // for, the stand-in. The mapper's own choice is no safe default: under Wine it may be a
    // proportional OpenType face whose shaping faults on some bytes inside an edit control.
    static std::unique_ptr<Font> WantedOrStandIn(const FontRequest& wanted, const FontRequest& standIn);

    // Exchanges the two fonts, so that every control drawing with this object gets the other
    // font at its next WM_SETFONT (Window::RefreshFonts) while the other object keeps the old
    // handle alive until then.
    void Swap(Font& other);

    HFONT Handle() const { return font_; }
    // The full line height (tmHeight) of text in this font.
    int LineHeight() const;
    // Width and height of one line of text in this font.
    SIZE Measure(const char* text) const;
    // True when the font mapper answers with the face asked for and, when one was asked
    // for, in that character set.
    bool HasFaceAskedFor() const;

private:
    HFONT font_ = nullptr;
    FontRequest request_;
};

// The cell sizes in which the system draws a raster face in a character set; empty for a face
// it does not have, or one whose outlines scale to any size.
std::vector<CellSize> RasterCellSizes(const char* face, BYTE charset);

}  // namespace glyphwright::ui
