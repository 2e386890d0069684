// The window on a display of another scale than 96 DPI: every figure grows by DPI/96, so the
// controls of a frame neither overlap nor leave it, and the NFO is drawn larger, a whole line
// still on one line. Once at start-up in a prefix set to that scale (--scaled-prefix, run by
// scripts/test-all at 144 DPI), and once when the window is told that its display changed.

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "app_session.h"
#include "gui_framework.h"
#include "remote_buffer.h"
#include "screenshot.h"
#include "ui/geometry.h"

namespace glyphwright::guitest {
namespace {

using namespace ids;

constexpr int kClientWidth = 531, kClientHeight = 505;  // at 96 DPI
constexpr int kWindowFontHeight = 11;
constexpr int kNfoColumns = 79;
constexpr int kLogoWidth = 400, kLogoHeight = 150;

int DisplayDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

std::string RectText(const RECT& r) {
    return Describe(r.left) + "," + Describe(r.top) + " " + Describe(r.right - r.left) + "x" +
           Describe(r.bottom - r.top);
}

// The windows of the program directly inside `container`; the inner windows of combo boxes and
// date pickers belong to those and are not its children.
std::vector<HWND> ChildrenOf(HWND container) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(container, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

bool Overlap(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// What a user sees wrong first when the scale is not followed: controls running into each
// other or past their frame, and NFO text that stays small or wraps.
void CheckLaidOutFor(const AppSession& app, int dpi) {
    FailureContext context("at " + Describe(dpi) + " DPI");
    const SIZE client = AppSession::ClientSize(app.Window());
    CHECK_EQ(client.cx, static_cast<LONG>(ui::Scale(kClientWidth, dpi)));
    CHECK_EQ(client.cy, static_cast<LONG>(ui::Scale(kClientHeight, dpi)));

    std::vector<int> containers;
    for (int page = 0; page < 5; ++page) containers.push_back(kPage0 + page);
    for (int frame = kFrameApplication; frame <= kFrameAboutLogo; ++frame)
        containers.push_back(frame);
    for (int id : containers) {
        HWND container = app.Get(id);
        const SIZE area = AppSession::ClientSize(container);
        const std::vector<HWND> children = ChildrenOf(container);
        for (std::size_t i = 0; i < children.size(); ++i) {
            const RECT r = AppSession::RectInParent(children[i]);
            FailureContext place("control " + Describe(app.IdOf(children[i])) + " at " +
                                 RectText(r) + " in " + Describe(id));
            CHECK(r.left >= 0 && r.top >= 0 && r.right <= area.cx && r.bottom <= area.cy);
            for (std::size_t j = i + 1; j < children.size(); ++j) {
                FailureContext other("and control " + Describe(app.IdOf(children[j])));
                CHECK(!Overlap(r, AppSession::RectInParent(children[j])));
            }
        }
    }

    // Two lines in the NFO preview, the first a whole NFO line of box drawing.
    HWND preview = app.Get(kNfoPreview);
    app.SetText(kNfoPreview, std::string(kNfoColumns, '\xC4') + "\r\nx");
    const auto top = [&](int index) {
        return static_cast<int>(
            static_cast<short>(HIWORD(app.Send(preview, EM_POSFROMCHAR, index))));
    };
    CHECK(top(kNfoColumns + 2) - top(0) >= ui::Scale(kWindowFontHeight, dpi));
    CHECK_EQ(app.Send(preview, EM_LINEFROMCHAR, kNfoColumns - 1), static_cast<LRESULT>(0));
}

// Every control's place, to see that the window goes back to what it was.
std::map<int, std::string> Places(const AppSession& app) {
    std::map<int, std::string> places;
    for (int id = kFieldA; id < kFirstLabel + 20; ++id) {
        if (HWND control = app.Find(id)) places[id] = RectText(AppSession::RectInParent(control));
    }
    return places;
}

void CheckLogoSize(const AppSession& app, int dpi) {
    const RECT logo = AppSession::RectInParent(app.Get(kLogoBox));
    CHECK_EQ(static_cast<int>(logo.right - logo.left), ui::Scale(kLogoWidth, dpi));
    CHECK_EQ(static_cast<int>(logo.bottom - logo.top), ui::Scale(kLogoHeight, dpi));
}

// As Windows tells a window that moved to a display of another scale: the new DPI and the
// window rectangle it suggests, here the same top-left with the client area scaled.
void ChangeDisplayScale(const AppSession& app, int dpi) {
    RECT window{};
    GetWindowRect(app.Window(), &window);
    const SIZE client = AppSession::ClientSize(app.Window());
    const RECT suggested{window.left, window.top,
                         window.right + ui::Scale(kClientWidth, dpi) - client.cx,
                         window.bottom + ui::Scale(kClientHeight, dpi) - client.cy};
    RemoteBuffer buffer(app.Process(), sizeof suggested);
    REQUIRE(buffer.Valid() && buffer.Write(&suggested, sizeof suggested));
    app.Send(app.Window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), buffer.At());
    app.Settle();
}

void SaveShot(const AppSession& app, int dpi, const char* page) {
    if (Options().shotsDir.empty()) return;
    const std::string path =
        Options().shotsDir + "\\scaled-" + std::to_string(dpi) + "-" + page + ".png";
    if (!SaveWindowScreenshot(app.Window(), path)) ReportNote("no screenshot written to " + path);
}

GUI_SCENARIO(scaled_prefix_window_grows_with_the_display) {
    const int dpi = DisplayDpi();
    REQUIRE(dpi != ui::kBaseDpi);
    InstallSpec layout;
    layout.sampleTemplates = true;
    AppSession app(layout);
    REQUIRE(app.Start());
    CheckLaidOutFor(app, dpi);
    SaveShot(app, dpi, "release-information");
    app.ClickTab(1);
    SaveShot(app, dpi, "team-information");
    app.ClickTab(4);
    CheckLogoSize(app, dpi);
    SaveShot(app, dpi, "about");
    app.PostCommand(kCmdViewNfo);
    app.Settle();
    CHECK_EVENTUALLY_EQ(app.CurrentTab(), 2);
    SaveShot(app, dpi, "preview-nfo");
}

// 125 %: the window at that scale still fits the test display of 1024 x 768.
constexpr int kLargerDpi = 120;

GUI_SCENARIO(main_window_follows_a_change_of_display_scale) {
    AppSession app;
    REQUIRE(app.Start());
    app.ClickTab(4);  // the logo is loaded once its page is shown
    const std::map<int, std::string> before = Places(app);
    ChangeDisplayScale(app, kLargerDpi);
    CheckLaidOutFor(app, kLargerDpi);
    CheckLogoSize(app, kLargerDpi);
    ChangeDisplayScale(app, ui::kBaseDpi);
    CHECK_EQ(AppSession::ClientSize(app.Window()).cx, static_cast<LONG>(kClientWidth));
    CHECK_EQ(AppSession::ClientSize(app.Window()).cy, static_cast<LONG>(kClientHeight));
    const std::map<int, std::string> after = Places(app);
    for (const auto& [id, place] : before) {
        FailureContext context("control " + Describe(id));
        CHECK_EQ(after.count(id) ? after.at(id) : std::string("gone"), place);
    }
    CheckLogoSize(app, ui::kBaseDpi);
}

}  // namespace
}  // namespace glyphwright::guitest
