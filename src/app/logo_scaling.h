#pragma once
// The logo drawn larger on a display of a larger scale: resampled smoothly, by area. Each
// pixel of the result is the average of the source pixels under it, weighted by how much of
// each it covers; at whole factors (2 at 192 DPI) that is each pixel repeated, as sharp as
// the source, and in between (1.5 at 144 DPI) the pixels that straddle two source pixels mix
// them, where repeating some pixels and not others would make lines of the artwork uneven.
// Kept free of the platform.

#include <cstdint>
#include <vector>

namespace glyphwright {

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> rgb;  // 0x00RRGGBB, rows from the top
};

// `source` at `width` x `height`; empty when either is not positive or the source is empty.
Pixels ResampleByArea(const Pixels& source, int width, int height);

}  // namespace glyphwright
