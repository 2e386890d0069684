#pragma once
// Where the logo sits in its frame on the "About" page: 20 pixels below the frame's top,
// horizontally centred, one pixel to the left (pixels of a 96-DPI display, scaled to the
// display's by ui::Scale).

#include "ui/geometry.h"

namespace glyphwright {

constexpr int kLogoTop = 20;

constexpr int LogoTop(int dpi) {
    return ui::Scale(kLogoTop, dpi);
}

// Both halvings truncate toward zero.
constexpr int LogoLeft(int frameWidth, int bitmapWidth, int dpi = ui::kBaseDpi) {
    return frameWidth / 2 - bitmapWidth / 2 - ui::Scale(1, dpi);
}

}  // namespace glyphwright
