#include "app/logo_scaling.h"

#include <algorithm>
#include <cstddef>

namespace glyphwright {
namespace {

// How one target pixel of a row (or column) covers the source pixels: in units of which a
// source pixel holds `to` and a target pixel `from`, target pixel i spans [i*from, (i+1)*from)
// and source pixel j [j*to, (j+1)*to). Each target pixel lists the source pixels it overlaps,
// with the length of the overlap; the lengths add up to `from`.
struct Cover {
    std::size_t source;
    long long length;
};

std::vector<std::vector<Cover>> Coverage(long long from, long long to) {
    std::vector<std::vector<Cover>> covers(static_cast<std::size_t>(to));
    for (long long i = 0; i < to; ++i) {
        const long long start = i * from, end = start + from;
        for (long long j = start / to; j < from && j * to < end; ++j) {
            const long long overlap = std::min(end, (j + 1) * to) - std::max(start, j * to);
            if (overlap > 0)
                covers[static_cast<std::size_t>(i)].push_back(
                    {static_cast<std::size_t>(j), overlap});
        }
    }
    return covers;
}

constexpr int kChannels = 3;  // red, green, blue: 0x00RRGGBB

unsigned Channel(std::uint32_t pixel, int channel) { return (pixel >> (16 - 8 * channel)) & 0xFF; }

}  // namespace

Pixels ResampleByArea(const Pixels& source, int width, int height) {
    const std::size_t sourceWidth = static_cast<std::size_t>(std::max(source.width, 0));
    const std::size_t sourceHeight = static_cast<std::size_t>(std::max(source.height, 0));
    if (width <= 0 || height <= 0 || sourceWidth == 0 || sourceHeight == 0 ||
        source.rgb.size() != sourceWidth * sourceHeight)
        return {};
    const std::size_t targetWidth = static_cast<std::size_t>(width);
    const auto across = Coverage(source.width, width);
    const auto down = Coverage(source.height, height);

    // Across first. The sums are kept whole (each channel times the source width) for the
    // second pass, which divides once by both source sizes.
    std::vector<long long> rows(targetWidth * sourceHeight * kChannels);
    for (std::size_t y = 0; y < sourceHeight; ++y) {
        const std::uint32_t* line = &source.rgb[y * sourceWidth];
        for (std::size_t x = 0; x < targetWidth; ++x) {
            long long* sum = &rows[(y * targetWidth + x) * kChannels];
            for (const Cover& cover : across[x])
                for (int c = 0; c < kChannels; ++c)
                    sum[c] += Channel(line[cover.source], c) * cover.length;
        }
    }
    const long long whole = static_cast<long long>(sourceWidth * sourceHeight);
    Pixels result{width, height,
                  std::vector<std::uint32_t>(targetWidth * static_cast<std::size_t>(height))};
    for (std::size_t y = 0; y < static_cast<std::size_t>(height); ++y) {
        for (std::size_t x = 0; x < targetWidth; ++x) {
            std::uint32_t pixel = 0;
            for (int c = 0; c < kChannels; ++c) {
                long long sum = 0;
                for (const Cover& cover : down[y])
                    sum += rows[(cover.source * targetWidth + x) * kChannels + c] * cover.length;
                pixel |= static_cast<std::uint32_t>((sum + whole / 2) / whole) << (16 - 8 * c);
            }
            result.rgb[y * targetWidth + x] = pixel;
        }
    }
    return result;
}

}  // namespace glyphwright
