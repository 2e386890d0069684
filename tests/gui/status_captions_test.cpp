// The frame captions that carry live status: "[ line:column ]" of the text blocks after a key
// or mouse button comes up in them, and the selection size of the NFO preview; and the mouse
// behaviour of the three read-only views.

#include "app/control_ids.h"
#include "app_session.h"
#include "gui_framework.h"

namespace glyphwright::guitest {
namespace {

using namespace ids;

struct Block {
    int id;
    int frame;
    const char* label;  // the caption without its position
};

const Block kBlocks[] = {
    {FieldId('R'), TextBlockFrameId('R'), "{R} Description "},
    {FieldId('S'), TextBlockFrameId('S'), "{S} Install info "},
    {FieldId('T'), TextBlockFrameId('T'), "{T} Other information "},
    {FieldId('U'), TextBlockFrameId('U'), "{U} Greetings "},
};

const char kThreeLines[] = "first line\r\nsecond line\r\nthird";  // lines start at 0, 12, 25

void Select(const AppSession& app, int id, int start, int end) {
    app.Send(app.Get(id), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

std::string Position(const Block& block, int line, int column) {
    return std::string(block.label) + "[ " + Describe(line) + ":" + Describe(column) + " ]";
}

GUI_SCENARIO(text_block_captions_follow_key_up) {
    AppSession app;
    REQUIRE(app.Start());
    app.ClickTab(1);
    struct Case {
        int start, end;
        int line, column;
    };
    const Case cases[] = {
        {0, 0, 0, 0},    // the very start
        {25, 25, 2, 0},  // start of the third line
        {14, 14, 1, 2},
        {8, 3, 0, 3},    // made backwards: its left end counts
        {3, 8, 0, 3},
        {15, 27, 1, 3},  // a selection over a line break: its start counts
    };
    for (const Block& block : kBlocks) {
        FailureContext context("block " + Describe(block.id));
        app.SetText(block.id, kThreeLines);
        // Text set from code leaves the caption as it was.
        CHECK_EQ(app.Text(block.frame), Position(block, 0, 0));
        for (const Case& c : cases) {
            FailureContext where("selection " + Describe(c.start) + ".." + Describe(c.end));
            Select(app, block.id, c.start, c.end);
            app.ReleaseKey(app.Get(block.id), VK_RIGHT);
            CHECK_EVENTUALLY_EQ(app.Text(block.frame), Position(block, c.line, c.column));
        }
    }
    // A system key coming up counts too.
    const Block& block = kBlocks[0];
    Select(app, block.id, 12, 12);
    PostMessageW(app.Get(block.id), WM_SYSKEYUP, VK_MENU, 0xC0000001);
    CHECK_EVENTUALLY_EQ(app.Text(block.frame), Position(block, 1, 0));
}

GUI_SCENARIO(text_block_captions_follow_every_mouse_button) {
    AppSession app;
    REQUIRE(app.Start());
    app.ClickTab(1);
    const Block& block = kBlocks[1];
    app.SetText(block.id, kThreeLines);
    struct Case {
        MouseButton button;
        int at;
        int line, column;
    };
    const Case cases[] = {
        {MouseButton::kLeft, 13, 1, 1},
        {MouseButton::kRight, 27, 2, 2},
        {MouseButton::kMiddle, 4, 0, 4},
    };
    for (const Case& c : cases) {
        FailureContext context("button " + Describe(static_cast<int>(c.button)));
        Select(app, block.id, c.at, c.at);
        app.MouseUp(app.Get(block.id), c.button);
        // The edit's own context menu opens after the right button comes up.
        if (c.button == MouseButton::kRight) app.DismissPopupMenus(3000);
        CHECK_EVENTUALLY_EQ(app.Text(block.frame), Position(block, c.line, c.column));
    }
    // The other blocks' captions are untouched.
    CHECK_EQ(app.Text(kBlocks[0].frame), Position(kBlocks[0], 0, 0));
}

GUI_SCENARIO(text_block_caption_counts_display_lines) {
    AppSession app;
    REQUIRE(app.Start());
    app.ClickTab(1);
    const Block& block = kBlocks[2];
    std::string paragraph;
    for (int i = 0; i < 30; ++i) paragraph += "wrapping words ";
    app.SetText(block.id, paragraph);
    HWND edit = app.Get(block.id);
    REQUIRE(app.Send(edit, EM_GETLINECOUNT) > 1);  // one paragraph, several display lines
    const int secondLine = static_cast<int>(app.Send(edit, EM_LINEINDEX, 1));
    Select(app, block.id, secondLine, secondLine);
    app.ReleaseKey(edit, VK_END);
    CHECK_EVENTUALLY_EQ(app.Text(block.frame), Position(block, 1, 0));
    Select(app, block.id, secondLine + 5, secondLine + 5);
    app.MouseUp(edit, MouseButton::kLeft);
    CHECK_EVENTUALLY_EQ(app.Text(block.frame), Position(block, 1, 5));
}

GUI_SCENARIO(nfo_preview_caption_shows_selected_characters) {
    AppSession app;
    REQUIRE(app.Start());
    app.PostCommand(kCmdViewNfo);
    CHECK_EVENTUALLY_EQ(app.CurrentTab(), 2);
    HWND preview = app.Get(kNfoPreview);
    app.SetText(kNfoPreview, "0123456789abcdefghij\r\nsecond line of the preview");
    CHECK_EQ(app.Text(kFrameNfoPreview), std::string());

    Select(app, kNfoPreview, 2, 14);
    app.MouseUp(preview, MouseButton::kLeft);
    CHECK_EVENTUALLY_EQ(app.Text(kFrameNfoPreview), std::string("Selected characters: 12"));
    Select(app, kNfoPreview, 30, 5);  // backwards, over the line break
    app.MouseUp(preview, MouseButton::kMiddle);
    CHECK_EVENTUALLY_EQ(app.Text(kFrameNfoPreview), std::string("Selected characters: 25"));
    // A selection changed from the keyboard shows at the next click only.
    Select(app, kNfoPreview, 0, 4);
    app.ReleaseKey(preview, VK_RIGHT);
    CHECK_EQ(app.Text(kFrameNfoPreview), std::string("Selected characters: 25"));
    // A click that leaves nothing selected empties the caption.
    Select(app, kNfoPreview, 7, 7);
    app.MouseUp(preview, MouseButton::kLeft);
    CHECK_EVENTUALLY_EQ(app.Text(kFrameNfoPreview), std::string());
}

GUI_SCENARIO(views_take_focus_when_the_mouse_moves_over_them) {
    AppSession app;
    REQUIRE(app.Start());
    struct Case {
        int page;
        int view;
    };
    const Case cases[] = {{2, kNfoPreview}, {3, kDizPreview}, {4, kInformationView}};
    for (const Case& c : cases) {
        FailureContext context("view " + Describe(c.view));
        app.ClickTab(0);
        app.Click(app.Get(FieldId('A')));
        CHECK_EVENTUALLY_EQ(app.FocusId(), FieldId('A'));
        app.ClickTab(c.page);
        app.MouseMove(app.Get(c.view), {40, 40});
        CHECK_EVENTUALLY_EQ(app.FocusId(), c.view);
    }
}

// The wheel handler scrolls one line on top of what the edit control does by itself, so a view
// with the handler moves exactly one line further than the DIZ preview, which has none.
GUI_SCENARIO(wheel_scrolls_one_line_more_in_nfo_preview_and_information_view) {
    AppSession app;
    REQUIRE(app.Start());
    std::string text;
    for (int i = 0; i < 120; ++i) text += "line " + Describe(i) + "\r\n";
    auto firstVisible = [&](int id) {
        return static_cast<int>(app.Send(app.Get(id), EM_GETFIRSTVISIBLELINE));
    };
    auto wheelOnce = [&](int page, int id, short delta) {
        app.ClickTab(page);
        app.MouseMove(app.Get(id), {40, 40});
        const int before = firstVisible(id);
        app.MouseWheel(app.Get(id), delta);
        return firstVisible(id) - before;
    };
    app.SetText(kDizPreview, text);
    app.SetText(kNfoPreview, text);
    const int platformLines = wheelOnce(3, kDizPreview, -WHEEL_DELTA);
    CHECK_EQ(wheelOnce(2, kNfoPreview, -WHEEL_DELTA), platformLines + 1);
    CHECK_EQ(wheelOnce(2, kNfoPreview, -WHEEL_DELTA), platformLines + 1);
    CHECK_EQ(wheelOnce(2, kNfoPreview, WHEEL_DELTA), -(platformLines + 1));
    // A large delta still counts as one line for the handler.
    CHECK_EQ(wheelOnce(2, kNfoPreview, -3 * WHEEL_DELTA),
             wheelOnce(3, kDizPreview, -3 * WHEEL_DELTA) + 1);
    // The information view holds the built-in text, long enough to scroll.
    CHECK_EQ(wheelOnce(4, kInformationView, -WHEEL_DELTA), platformLines + 1);
}

}  // namespace
}  // namespace glyphwright::guitest
