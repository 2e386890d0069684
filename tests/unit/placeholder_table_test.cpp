#include "model/placeholder_table.h"

#include <gtest/gtest.h>

#include "model/render_pipeline.h"

namespace glyphwright {
namespace {

// The table feeds the engine: its single-line rows are the engine's tags, in the same order
// (render_pipeline.h holds that at compile time), and the text blocks follow them.
TEST(PlaceholderTable, FeedsTheEngineItsTags) {
    EXPECT_EQ(LineValueIndex(PlaceholderTags.back()[1]), PlaceholderTags.size() - 1);
    EXPECT_EQ(kTextBlockLetters.front(), PlaceholderTags.back()[1] + 1);
    EXPECT_EQ(TextBlockCaption('S'), "{S} Install info ");
}

}  // namespace
}  // namespace glyphwright
