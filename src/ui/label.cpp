#include "ui/label.h"

#include <algorithm>

#include "ui/font.h"

namespace glyphwright::ui {

void Label::Build(const AnyControlArgs& args) {
    wrap_ = args.wrap;
    // SS_LEFT is the static style that wraps; the one-line kind must say so explicitly.
    DWORD style = SS_NOPREFIX | (args.wrap ? SS_LEFT : SS_LEFTNOWORDWRAP);
    if (CreateHandle("STATIC", style | args.style, 0, args) && wrap_ && args.align == Align::None) {
        SetBounds(WideEnoughForLines(args.bounds));
    }
}

void Label::Place(const Rect& bounds, Align align) {
    Control::Place(wrap_ && align == Align::None ? WideEnoughForLines(bounds) : bounds, align);
}

// The lines a wrapping label is given are broken by hand to fit its width in the face it was
// laid out for. A face that draws them wider (Wine's own Tahoma does "in release filename" a
// pixel or two past it) would break a line once more and push its end below the label's
// height, where nothing shows it; so the label grows to the widest line instead.
Rect Label::WideEnoughForLines(Rect bounds) const {
    const Font* font = GetFont();
    HDC dc = GetDC(Handle());
    if (!dc) return bounds;
    HGDIOBJ previous = font ? SelectObject(dc, font->Handle()) : nullptr;
    const std::string text = Text();
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        SIZE size{};
        if (GetTextExtentPoint32A(dc, text.data() + start, static_cast<int>(end - start), &size)) {
            bounds.width = std::max(bounds.width, static_cast<int>(size.cx));
        }
        start = end + 2;
    }
    if (previous) SelectObject(dc, previous);
    ReleaseDC(Handle(), dc);
    return bounds;
}

}  // namespace glyphwright::ui
