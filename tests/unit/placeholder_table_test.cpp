#include "model/placeholder_table.h"

#include <gtest/gtest.h>

#include "model/render_pipeline.h"

namespace glyphwright {
namespace {

// The table feeds the engine: its single-line rows are the engine's tags, in the same order.
TEST(PlaceholderTable, FeedsTheEngineItsTags) {
    EXPECT_EQ(LineValueTags(), PlaceholderTags);
    EXPECT_EQ(kTextBlockLetters.front(), PlaceholderTags.back()[1] + 1);
    EXPECT_EQ(TextBlockCaption('S'), "{S} Install info ");
}

}  // namespace
}  // namespace glyphwright
