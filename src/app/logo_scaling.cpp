#include "app/logo_scaling.h"

#include <algorithm>

namespace glyphwright {
namespace {

// How a row (or column) of `from` pixels covers one of `to` pixels: in units of which a
// source pixel holds `to` and a target pixel `from`, target pixel i spans [i*from, (i+1)*from)
// and source pixel j [j*to, (j+1)*to). Each target pixel lists the source pixels it overlaps
// with the length of the overlap; the lengths add up to `from`.
struct Cover {
    int source;
    int length;
};

std::vector<std::vector<Cover>> Coverage(int from, int to) {
    std::vector<std::vector<Cover>> covers(static_cast<std::size_t>(to));
    for (int i = 0; i < to; ++i) {
        const long long start = static_cast<long long>(i) * from, end = start + from;
        for (int j = static_cast<int>(start / to); j < from && static_cast<long long>(j) * to < end; ++j) {
            const long long overlap = std::min(end, static_cast<long long>(j + 1) * to) - std::max(start, static_cast<long long>(j) * to);
            if (overlap > 0) covers[static_cast<std::size_t>(i)].push_back({j, static_cast<int>(overlap)});
        }
    }
    return covers;
}

}  // namespace

Pixels ResampleByArea(const Pixels& source, int width, int height) {
    Pixels result;
    if (width <= 0 || height <= 0 || source.width <= 0 || source.height <= 0 ||
        source.rgb.size() != static_cast<std::size_t>(source.width) * static_cast<std::size_t>(source.height))
        return result;
    const auto across = Coverage(source.width, width);
    const auto down = Coverage(source.height, height);

    // Across first, keeping the sums (each channel times source.width) for the second pass.
    const int channels = 3;
    std::vector<long long> rows(static_cast<std::size_t>(width) * static_cast<std::size_t>(source.height) * channels);
    for (int y = 0; y < source.height; ++y) {
        const std::uint32_t* line = &source.rgb[static_cast<std::size_t>(y) * static_cast<std::size_t>(source.width)];
        for (int x = 0; x < width; ++x) {
            long long* sum = &rows[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * channels];
            for (const Cover& cover : across[static_cast<std::size_t>(x)])
                for (int c = 0; c < channels; ++c) sum[c] += ((line[cover.source] >> (16 - 8 * c)) & 0xFF) * cover.length;
        }
    }
    const long long whole = static_cast<long long>(source.width) * source.height;
    result.width = width;
    result.height = height;
    result.rgb.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint32_t pixel = 0;
            for (int c = 0; c < channels; ++c) {
                long long sum = 0;
                for (const Cover& cover : down[static_cast<std::size_t>(y)])
                    sum += rows[(static_cast<std::size_t>(cover.source) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * channels + c] * cover.length;
                pixel |= static_cast<std::uint32_t>((sum + whole / 2) / whole) << (16 - 8 * c);
            }
            result.rgb[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] = pixel;
        }
    }
    return result;
}

}  // namespace glyphwright
