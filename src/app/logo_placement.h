#pragma once
// Where the logo sits in its frame on the "About" page.

namespace glyphwright {

constexpr int kLogoTop = 20;

// Horizontally centred in the frame, one pixel to the left; both halvings truncate toward zero.
constexpr int LogoLeft(int frameWidth, int bitmapWidth) {
    return frameWidth / 2 - bitmapWidth / 2 - 1;
}

}  // namespace glyphwright
