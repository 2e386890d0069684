#pragma once
// The arithmetic of placing windows, kept free of the platform so it can be checked on its own.

#include <algorithm>

namespace glyphwright::ui {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// How a control takes its place in its parent. Aligned controls are laid out once, in
// creation order, from the parent's alignment area.
enum class Align {
    None,    // at its own bounds
    Top,     // under the controls aligned before it, parent-wide, its height high
    Bottom,  // above the controls aligned to the bottom before it, parent-wide
    Fill,    // the whole area that is left
};

// What is left of a parent's alignment area while its children take their places.
class AlignCursor {
public:
    AlignCursor() = default;
    explicit AlignCursor(const Rect& area)
        : left_(area.left), top_(area.top), right_(area.left + area.width),
          bottom_(area.top + area.height) {}

    Rect Take(Align align, int height) {
        const int width = right_ - left_;
        switch (align) {
        case Align::Top: {
            Rect taken{left_, top_, width, height};
            top_ += height;
            return taken;
        }
        case Align::Bottom:
            bottom_ -= height;
            return {left_, bottom_, width, height};
        case Align::Fill: {
            Rect taken{left_, top_, width, std::max(0, bottom_ - top_)};
            top_ = bottom_;
            return taken;
        }
        case Align::None:
            break;
        }
        return {left_, top_, width, 0};
    }

private:
    int left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
};

// --- Display scale ----------------------------------------------------------------------------
// Every pixel figure of the program is one of a 96-DPI display; on another display it is taken
// times DPI/96, here and nowhere else, so that the window looks the same at any scale.
constexpr int kBaseDpi = 96;

// `value` at `dpi`, to the nearest pixel, halves away from zero (as MulDiv rounds).
constexpr int Scale(int value, int dpi) {
    const long long product = static_cast<long long>(value) * dpi;
    const long long half = kBaseDpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / kBaseDpi : -((-product + half) / kBaseDpi));
}

// The length from `start` to `start + length` at `dpi`, both ends scaled: lengths that meet
// at 96 DPI meet at any scale, where lengths scaled on their own would leave a pixel between
// them or overlap by one.
constexpr int ScaleLength(int start, int length, int dpi) {
    return Scale(start + length, dpi) - Scale(start, dpi);
}

// `value` at `dpi`, what does not come out whole dropped (toward zero): for widths that must
// stay within the room laid out for them.
constexpr int ScaleDown(int value, int dpi) {
    return static_cast<int>(static_cast<long long>(value) * dpi / kBaseDpi);
}

// A font's height at `dpi` from its height at 96 DPI (CreateFont's: negative for the character
// height), the way Windows sizes fonts: in whole points. The 11 pixels of the 96-DPI layout
// are 8 points (10 2/3 pixels, rounded); 8 points are 13 pixels at 120 DPI, 16 at 144 and 21 at
// 192. Text grows a little faster than its size (hinting), and at these sizes the captions
// laid out at 96 DPI still fit their labels, where 11 x DPI/96 (16.5, 22) would cut some.
constexpr int FontHeight(int height, int dpi) {
    constexpr int kPointsPerInch = 72;
    const int size = height < 0 ? -height : height;
    const int points = (size * kPointsPerInch + kBaseDpi / 2) / kBaseDpi;
    const int scaled = (points * dpi + kPointsPerInch / 2) / kPointsPerInch;
    return height < 0 ? -scaled : scaled;
}

constexpr Rect ScaleRect(const Rect& rect, int dpi) {
    return {Scale(rect.left, dpi), Scale(rect.top, dpi), ScaleLength(rect.left, rect.width, dpi),
            ScaleLength(rect.top, rect.height, dpi)};
}

// Division by two that rounds toward minus infinity (C++ division truncates toward zero).
constexpr int FloorHalf(int value) {
    return value / 2 - ((value % 2 != 0 && value < 0) ? 1 : 0);
}

// The left (or top) edge that centres an extent on the screen, halving downward.
constexpr int CenteredOrigin(int screenExtent, int windowExtent) {
    return FloorHalf(screenExtent - windowExtent);
}

// A group box's area for aligned children: inside its frame line (2 pixels at 96 DPI) and
// under the caption line, whose height is the font's line height.
constexpr Rect FrameInterior(const Rect& client, int captionHeight, int dpi = kBaseDpi) {
    const int border = Scale(2, dpi);
    return {border, captionHeight + border, std::max(0, client.width - 2 * border),
            std::max(0, client.height - captionHeight - 2 * border)};
}

// The window height a drop-down is given before its list opens: room for up to eight
// entries (at least one) at the closed height each, plus the box itself and 2 pixels (at
// 96 DPI).
constexpr int DropDownOpenHeight(int entries, int closedHeight, int dpi = kBaseDpi) {
    constexpr int kMostVisible = 8;
    const int shown = entries < 1 ? 1 : (entries > kMostVisible ? kMostVisible : entries);
    return (shown + 1) * closedHeight + Scale(2, dpi);
}

}  // namespace glyphwright::ui
