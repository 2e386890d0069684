// The focus keys of the message loop's pre-filter: Tab and Shift+Tab walk the visible, enabled
// controls in creation order and wrap; Down/PgDn and Up/PgUp do the same in text fields, Right
// and Left in list boxes; other controls keep those keys for themselves.

#include <algorithm>
#include <vector>

#include "app/control_ids.h"
#include "app_session.h"
#include "gui_framework.h"

namespace glyphwright::guitest {
namespace {

using namespace ids;

// Page 0 in creation order; the two archiver buttons are disabled at start and so skipped.
const int kPage0Order[] = {
    FieldId('A'), FieldId('B'), FieldId('C'), FieldId('D'), FieldId('E'), FieldId('F'),
    FieldId('G'), FieldId('H'), FieldId('I'), FieldId('J'), FieldId('K'), FieldId('L'),
    FieldId('M'), FieldId('N'), FieldId('O'), FieldId('P'), FieldId('Q'), kDelimiter,
    kPackageTeam, kSpacer, ArchiverOptionsId(Archiver::WinRar), ArchiverOptionsId(Archiver::SevenZip),
};
const int kPage1Order[] = {FieldId('R'), FieldId('S'), FieldId('T'), FieldId('U'),
                           kNfoTemplateBox, kDizTemplateBox};

constexpr int kOrderLength = sizeof kPage0Order / sizeof kPage0Order[0];

std::string Sequence(const int* ids, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += (i ? " " : "") + Describe(ids[i]);
    return text;
}

// Presses the key `count` times and lists where the focus went after each press. Every press
// of these walks moves the focus; on a loaded machine it may land a moment after the key's
// messages are handled, so the walk waits for it to leave (a press that moves nothing still
// shows as the same control twice).
std::string Walk(const AppSession& app, UINT key, bool shift, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        const int before = app.FocusId();
        app.PressKeyInFocus(key, shift);
        WaitUntil([&] { return app.FocusId() != before; }, 3000);
        text += (i ? " " : "") + Describe(app.FocusId());
    }
    return text;
}

void FocusByClick(const AppSession& app, int id) {
    app.Click(app.Get(id));
    CHECK_EVENTUALLY_EQ(app.FocusId(), id);
}

GUI_SCENARIO(tab_walks_page_0_in_creation_order_and_wraps) {
    AppSession app;
    REQUIRE(app.Start());
    FocusByClick(app, FieldId('A'));
    // Forward: the rest of the order, then around to the first field.
    std::vector<int> forward(kPage0Order + 1, kPage0Order + kOrderLength);
    forward.push_back(kPage0Order[0]);
    CHECK_EQ(Walk(app, VK_TAB, false, kOrderLength),
             Sequence(forward.data(), static_cast<int>(forward.size())));
    // Backward from the first field: the last one, then down the order.
    std::vector<int> backward(kPage0Order, kPage0Order + kOrderLength);
    std::reverse(backward.begin(), backward.end());
    CHECK_EQ(Walk(app, VK_TAB, true, kOrderLength),
             Sequence(backward.data(), static_cast<int>(backward.size())));
}

GUI_SCENARIO(tab_walks_page_1_and_skips_hidden_pages) {
    AppSession app;
    REQUIRE(app.Start());
    app.ClickTab(1);
    FocusByClick(app, FieldId('R'));
    const int expected[] = {FieldId('S'), FieldId('T'), FieldId('U'), kNfoTemplateBox,
                            kDizTemplateBox, FieldId('R')};
    CHECK_EQ(Walk(app, VK_TAB, false, 6), Sequence(expected, 6));
    CHECK_EQ(Walk(app, VK_TAB, true, 1), Describe(kDizTemplateBox));
}

GUI_SCENARIO(arrow_keys_move_focus_in_text_fields) {
    AppSession app;
    REQUIRE(app.Start());
    struct Case {
        int from;
        UINT key;
        int to;
    };
    const Case cases[] = {
        {FieldId('A'), VK_DOWN, FieldId('B')},
        {FieldId('B'), VK_NEXT, FieldId('C')},
        {FieldId('C'), VK_UP, FieldId('B')},
        {FieldId('B'), VK_PRIOR, FieldId('A')},
        {FieldId('A'), VK_UP, ArchiverOptionsId(Archiver::SevenZip)},  // wraps like Shift+Tab
        {ArchiverOptionsId(Archiver::SevenZip), VK_DOWN, FieldId('A')},
        {FieldId('Q'), VK_DOWN, kDelimiter},
        {kSpacer, VK_DOWN, ArchiverOptionsId(Archiver::WinRar)},
    };
    for (const Case& c : cases) {
        FailureContext context("key " + Describe(c.key) + " in control " + Describe(c.from));
        FocusByClick(app, c.from);
        app.PressKeyInFocus(c.key);
        CHECK_EVENTUALLY_EQ(app.FocusId(), c.to);
    }
}

GUI_SCENARIO(arrow_keys_stay_in_drop_downs_and_text_blocks) {
    AppSession app;
    REQUIRE(app.Start());
    for (int id : {FieldId('D'), FieldId('L'), static_cast<int>(kPackageTeam)}) {
        FailureContext context("drop-down " + Describe(id));
        FocusByClick(app, id);
        for (UINT key : {VK_DOWN, VK_UP, VK_RIGHT}) {
            app.PressKeyInFocus(key);
            CHECK_EQ(app.FocusId(), id);  // Settle has let the loop see the key
        }
    }
    // In a text block Down moves the caret to the next line instead.
    app.ClickTab(1);
    const int block = FieldId('S');
    app.SetText(block, "first\r\nsecond\r\nthird");
    FocusByClick(app, block);
    app.Send(app.Get(block), EM_SETSEL, 0, 0);
    app.PressKeyInFocus(VK_DOWN);
    CHECK_EQ(app.FocusId(), block);
    CHECK_EVENTUALLY_EQ(app.Send(app.Get(block), EM_LINEFROMCHAR, static_cast<WPARAM>(-1)),
                        static_cast<LRESULT>(1));
}

GUI_SCENARIO(right_and_left_move_focus_in_list_boxes) {
    AppSession app;
    REQUIRE(app.Start());
    app.ClickTab(1);
    FocusByClick(app, kNfoTemplateBox);
    app.PressKeyInFocus(VK_RIGHT);
    CHECK_EVENTUALLY_EQ(app.FocusId(), static_cast<int>(kDizTemplateBox));
    app.PressKeyInFocus(VK_RIGHT);
    CHECK_EVENTUALLY_EQ(app.FocusId(), FieldId('R'));  // wraps to the first of the page
    app.PressKeyInFocus(VK_TAB, true);
    CHECK_EVENTUALLY_EQ(app.FocusId(), static_cast<int>(kDizTemplateBox));
    app.PressKeyInFocus(VK_LEFT);
    CHECK_EVENTUALLY_EQ(app.FocusId(), static_cast<int>(kNfoTemplateBox));
    app.PressKeyInFocus(VK_LEFT);
    CHECK_EVENTUALLY_EQ(app.FocusId(), FieldId('U'));
}

}  // namespace
}  // namespace glyphwright::guitest
