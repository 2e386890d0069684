// Page switching by tab clicks and by the Make and View commands, the logo on "About", the
// menu as the keyboard reaches it, and a screenshot of every page for people to look at.

#include "app/control_ids.h"
#include "app_session.h"
#include "gui_framework.h"
#include "screenshot.h"

namespace glyphwright::guitest {
namespace {

using namespace ids;

constexpr int kPageCount = 5;
constexpr int kLogoWidth = 400;
constexpr int kLogoHeight = 150;

const char* const kShotNames[kPageCount] = {
    "page0-release-information.png", "page1-team-information.png", "page2-preview-nfo.png",
    "page3-preview-diz.png", "page4-about.png",
};

int VisiblePage(const AppSession& app) {
    int visible = -1;
    for (int page = 0; page < kPageCount; ++page) {
        if (!IsWindowVisible(app.Get(kPage0 + page))) continue;
        if (visible >= 0) return -2;  // more than one
        visible = page;
    }
    return visible;
}

void CheckCurrentPage(const AppSession& app, int page) {
    CHECK_EVENTUALLY_EQ(app.CurrentTab(), page);
    CHECK_EVENTUALLY_EQ(VisiblePage(app), page);
}

void SaveShot(const AppSession& app, int page) {
    if (Options().shotsDir.empty()) return;
    const std::string path = Options().shotsDir + "\\" + kShotNames[page];
    if (!SaveWindowScreenshot(app.Window(), path)) ReportNote("no screenshot written to " + path);
}

void CheckLogoPlace(const AppSession& app) {
    HWND logo = app.Get(kLogoBox);
    const RECT r = AppSession::RectInParent(logo);
    const SIZE frame = AppSession::ClientSize(app.Get(kFrameAboutLogo));
    CHECK_EQ(r.right - r.left, kLogoWidth);
    CHECK_EQ(r.bottom - r.top, kLogoHeight);
    CHECK_EQ(r.left, frame.cx / 2 - kLogoWidth / 2 - 1);
    CHECK_EQ(r.top, 20);
    CHECK(IsWindowVisible(logo));

    // Softened corners: the box's window region is the picture with its corners cut.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (CHECK(GetWindowRgn(logo, region) != ERROR)) {
        RECT box{};
        GetRgnBox(region, &box);
        // A rounded-rectangle region ends a pixel short of its right and bottom edges.
        CHECK(box.right - box.left >= kLogoWidth - 1 && box.right - box.left <= kLogoWidth);
        CHECK(box.bottom - box.top >= kLogoHeight - 1 && box.bottom - box.top <= kLogoHeight);
        CHECK_EQ(box.left, 0L);
        CHECK_EQ(box.top, 0L);
        const POINT corners[] = {{0, 0}, {kLogoWidth - 1, 0}, {0, kLogoHeight - 1},
                                 {kLogoWidth - 1, kLogoHeight - 1}};
        for (const POINT& corner : corners) CHECK(!PtInRegion(region, corner.x, corner.y));
        CHECK(PtInRegion(region, kLogoWidth / 2, kLogoHeight / 2));
        CHECK(PtInRegion(region, 3, kLogoHeight / 2));
    }
    DeleteObject(region);
}

GUI_SCENARIO(tab_clicks_switch_pages_with_screenshots) {
    AppSession app;
    REQUIRE(app.Start());
    CheckCurrentPage(app, 0);
    SaveShot(app, 0);
    for (int page = 1; page < kPageCount; ++page) {
        FailureContext context("page " + Describe(page));
        app.ClickTab(page);
        CheckCurrentPage(app, page);
        if (page == 4) CheckLogoPlace(app);
        SaveShot(app, page);
    }
    app.ClickTab(0);
    CheckCurrentPage(app, 0);
}

GUI_SCENARIO(clicking_a_tab_leaves_the_focus_where_it_was) {
    AppSession app;
    REQUIRE(app.Start());
    app.Click(app.Get(FieldId('B')));
    CHECK_EVENTUALLY_EQ(app.FocusId(), FieldId('B'));
    app.ClickTab(0);  // the current page: nothing is hidden, only the tab is clicked
    CHECK_EQ(app.FocusId(), FieldId('B'));
}

GUI_SCENARIO(about_page_shows_logo_again_at_the_same_place) {
    AppSession app;
    REQUIRE(app.Start());
    for (int round = 0; round < 3; ++round) {
        FailureContext context("showing " + Describe(round + 1));
        app.ClickTab(4);
        CheckCurrentPage(app, 4);
        CheckLogoPlace(app);
        app.ClickTab(round % 2 ? 1 : 2);
    }
    CHECK(app.Running());
}

GUI_SCENARIO(make_and_view_commands_show_their_pages) {
    AppSession app;
    REQUIRE(app.Start());
    struct Case {
        int command;
        int page;
    };
    const Case cases[] = {
        {kCmdMakeNfo, 2}, {kCmdMakeDiz, 3}, {kCmdViewNfo, 2}, {kCmdViewDiz, 3},
        {kCmdViewDiz, 3},  // the page already current stays
    };
    for (const Case& c : cases) {
        FailureContext context("command " + Describe(c.command));
        if (c.command != kCmdViewDiz || app.CurrentTab() != 3) app.ClickTab(0);
        app.PostCommand(c.command);
        CheckCurrentPage(app, c.page);
    }
    // Commands that later issues fill in must not end or block the program.
    for (int command : {kCmdSaveNfoDiz}) {
        app.PostCommand(command);
        CHECK(app.Running());
    }
}

// Menus of another process cannot be read here, so the menu is checked the way the keyboard
// reaches it: Alt plus the title's mnemonic opens it on its first item, Down moves along the
// items in order (no separators to skip), Enter runs the highlighted one.
void RunFromMenu(const AppSession& app, char mnemonic, int downs) {
    PostMessageW(app.Window(), WM_SYSCOMMAND, SC_KEYMENU, mnemonic);
    app.Settle();
    WaitUntil([&] { return !app.PopupMenus().empty(); });
    for (int i = 0; i < downs; ++i) app.PressKeyInFocus(VK_DOWN);
    app.PressKeyInFocus(VK_RETURN);
}

GUI_SCENARIO(menu_items_in_order_from_the_keyboard) {
    AppSession app;
    REQUIRE(app.Start());
    struct Case {
        char menu;
        int downs;
        int page;
    };
    const Case cases[] = {
        {'m', 0, 2},  // &Make: Make NFO
        {'m', 1, 3},  //        Make DIZ
        {'v', 0, 2},  // &View: View NFO
        {'v', 1, 3},  //        View DIZ
        {'m', 2, 2},  // two items only: Down wraps to Make NFO
    };
    for (const Case& c : cases) {
        FailureContext context(std::string("menu ") + c.menu + ", " + Describe(c.downs) +
                               " x Down");
        app.ClickTab(0);
        RunFromMenu(app, c.menu, c.downs);
        CheckCurrentPage(app, c.page);
        app.DismissPopupMenus();
    }
    // &File: the fifth item is E&xit, which ends the program at once.
    PostMessageW(app.Window(), WM_SYSCOMMAND, SC_KEYMENU, 'f');
    app.Settle();
    CHECK(WaitUntil([&] { return !app.PopupMenus().empty(); }));
    if (!app.PopupMenus().empty() && !Options().shotsDir.empty())
        SaveWindowScreenshot(app.Window(), Options().shotsDir + "\\menu-file.png");
    for (int i = 0; i < 4; ++i) app.PressKeyInFocus(VK_DOWN);
    app.PressKeyInFocus(VK_RETURN);
    const std::optional<DWORD> code = app.WaitForExit(15000);
    CHECK(code.has_value());
    if (code) CHECK_EQ(*code, 0ul);
}

GUI_SCENARIO(exit_mnemonic_in_file_menu) {
    AppSession app;
    REQUIRE(app.Start());
    PostMessageW(app.Window(), WM_SYSCOMMAND, SC_KEYMENU, 'f');
    app.Settle();
    CHECK(WaitUntil([&] { return !app.PopupMenus().empty(); }));
    const HWND focus = app.Focus();
    PostMessageW(focus ? focus : app.Window(), WM_CHAR, 'x', 1);
    const std::optional<DWORD> code = app.WaitForExit(15000);
    CHECK(code.has_value());
    if (code) CHECK_EQ(*code, 0ul);
}

}  // namespace
}  // namespace glyphwright::guitest
