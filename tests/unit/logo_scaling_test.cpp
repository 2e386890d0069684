#include "app/logo_scaling.h"

#include <gtest/gtest.h>

namespace glyphwright {
namespace {

Pixels Row(std::vector<std::uint32_t> rgb) {
    return {static_cast<int>(rgb.size()), 1, std::move(rgb)};
}

// Every size of a one-coloured picture is that colour: the weights of each pixel add up to one,
// at the edges too.
TEST(ResampleByArea, KeepsAPlainColourAtEverySize) {
    const Pixels plain{5, 3, std::vector<std::uint32_t>(15, 0x00C08040)};
    const int sizes[][2] = {{7, 4}, {8, 5}, {10, 6}, {15, 9}, {3, 2}, {1, 1}};
    for (const auto& size : sizes) {
        const Pixels result = ResampleByArea(plain, size[0], size[1]);
        ASSERT_EQ(result.rgb.size(), static_cast<std::size_t>(size[0] * size[1]));
        for (std::uint32_t pixel : result.rgb)
            EXPECT_EQ(pixel, 0x00C08040u) << size[0] << "x" << size[1];
    }
}

// Smooth, not nearest-neighbour: at 1.5 the middle pixel straddles both source pixels and mixes
// them half and half; at 2 every pixel lies within one and is repeated unchanged.
TEST(ResampleByArea, MixesOnlyThePixelsThatStraddleTwo) {
    const Pixels edge = Row({0x00000000, 0x00FFFFFF});
    EXPECT_EQ(ResampleByArea(edge, 3, 1).rgb,
              (std::vector<std::uint32_t>{0x00000000, 0x00808080, 0x00FFFFFF}));
    EXPECT_EQ(ResampleByArea(edge, 4, 1).rgb,
              (std::vector<std::uint32_t>{0x00000000, 0x00000000, 0x00FFFFFF, 0x00FFFFFF}));
    const Pixels channels = Row({0x00FF0000, 0x000000FF});
    EXPECT_EQ(ResampleByArea(channels, 3, 1).rgb[1], 0x00800080u);  // each channel on its own
}

}  // namespace
}  // namespace glyphwright
