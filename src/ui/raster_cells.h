#pragma once
// Which size of a raster face to draw in: such a face comes in a few fixed cell sizes, and
// text of a known width has to fit its view. Kept free of the platform.

#include <cstdlib>
#include <optional>
#include <vector>

namespace glyphwright::ui {

struct CellSize {
    int width = 0;
    int height = 0;
};

// Of `sizes`, the one whose height is closest to `wantedHeight` among those of which `columns`
// cells side by side fit `room` pixels; of two as close, the lower. Where none fits, the
// narrowest, with which the text wraps least. Nothing when there are no sizes.
inline std::optional<CellSize> ClosestFittingCell(const std::vector<CellSize>& sizes,
                                                  int wantedHeight, int columns, int room) {
    std::optional<CellSize> best, narrowest;
    for (const CellSize& size : sizes) {
        if (!narrowest || size.width < narrowest->width) narrowest = size;
        if (size.width * columns > room) continue;
        const int distance = std::abs(size.height - wantedHeight);
        const int bestDistance = best ? std::abs(best->height - wantedHeight) : 0;
        if (!best || distance < bestDistance ||
            (distance == bestDistance && size.height < best->height))
            best = size;
    }
    return best ? best : narrowest;
}

}  // namespace glyphwright::ui
