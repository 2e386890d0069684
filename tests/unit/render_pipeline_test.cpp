// The window's bounded rendering: text blocks laid in only while the NFO stays within a limit.

#include "model/render_pipeline.h"

#include <gtest/gtest.h>

#include <string>

#include "render/field_layout.h"

namespace glyphwright {
namespace {

// The limit is met by the bytes the rendering really has, not by an estimate: a rendering of
// exactly the limit passes, whole and as the unbounded one; one byte less is refused. One-byte
// block lines shorten each copy, which an estimate from the template's lines would overcount.
TEST(RenderNfoWithin, RefusesOnlyWhatPassesTheLimit) {
    struct Case {
        const char* what;
        const char* templateText;
        std::vector<std::string> description;  // {R}
        std::vector<std::string> install;      // {S}
    };
    const Case cases[] = {
        {"one block", "top\r|   {R}          |\rend\r", {"first", "second", "third"}, {}},
        {"two blocks on one line", "| {R} {S}      |\r", {"a", "b", "c"}, {"x", "y"}},
        {"no block at all", "plain\rlines\r", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RenderInput input;
        input.blocks[0] = c.description;
        input.blocks[1] = c.install;
        Document whole = ParseDocument(c.templateText);
        RenderNfo(whole, input);
        const std::string unbounded = DocumentText(whole);

        Document exact = ParseDocument(c.templateText);
        ASSERT_TRUE(RenderNfoWithin(exact, input, unbounded.size()));
        EXPECT_EQ(DocumentText(exact), unbounded);

        Document over = ParseDocument(c.templateText);
        EXPECT_FALSE(RenderNfoWithin(over, input, unbounded.size() - 1));
    }
}

// The blocks are laid line by line, each line through all four before the next: that must
// give what four whole passes give, placeholders that block lines bring in included (a later
// block's is expanded on the copy, an earlier one's stays).
TEST(LayTextBlocks, GivesWhatFourWholePassesGive) {
    const Document document = {"top", "| {R} {T}       |", "| {S}   |", "| {u}   |", "end"};
    TextBlockLines blocks;
    blocks[0] = {"{S}", "r2"};
    blocks[1] = {"s1", "{R}", ""};
    blocks[2] = {"{U}"};
    blocks[3] = {"u1", "u2"};

    Document passes = document;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        ExpandTextBlock(passes, std::string("{") + "RSTU"[i] + "}", blocks[i]);
    }
    Document laid = document;
    LayTextBlocks(laid, blocks);
    EXPECT_EQ(laid, passes);
    EXPECT_GT(laid.size(), 12u);  // the blocks did multiply the lines
}

}  // namespace
}  // namespace glyphwright
