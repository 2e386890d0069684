// A drop-down opens tall enough for at most eight entries and closes back to its own size.

#include <algorithm>
#include <cstdlib>

#include "app/control_ids.h"
#include "app_session.h"
#include "gui_framework.h"

namespace glyphwright::guitest {
namespace {

void FillEntries(const AppSession& app, HWND combo, int count) {
    app.Send(combo, CB_RESETCONTENT);
    for (int i = 0; i < count; ++i) {
        // CB_ADDSTRING's text is carried across processes by the system.
        const std::wstring entry = L"entry " + std::to_wstring(i);
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
    CHECK_EQ(app.Send(combo, CB_GETCOUNT), static_cast<LRESULT>(count));
}

GUI_SCENARIO(drop_down_list_shows_at_most_eight_entries) {
    AppSession app;
    REQUIRE(app.Start());
    struct Box {
        int id;
        int closedHeight;
    };
    const Box boxes[] = {{ids::FieldId('E'), 20}, {ids::kPackageTeam, 22}};
    for (const Box& box : boxes) {
        HWND combo = app.Get(box.id);
        for (int count : {0, 1, 3, 8, 12}) {
            FailureContext context("drop-down " + Describe(box.id) + " with " + Describe(count) +
                                   " entries");
            FillEntries(app, combo, count);
            RECT closed{};
            GetWindowRect(combo, &closed);
            CHECK_EQ(closed.bottom - closed.top, box.closedHeight);
            HWND list = app.OpenDropDown(combo);
            if (!CHECK(list != nullptr)) continue;
            RECT shown{};
            GetWindowRect(list, &shown);
            // The box and its list reach (n + 1) closed heights + 2 down from the box's top.
            // The platform places the list a pixel lower or cuts it to whole rows, hence the
            // pixel of slack.
            const int rows = std::min(std::max(count, 1), 8);
            const int expected = (rows + 1) * box.closedHeight + 2;
            const int extent = shown.bottom - closed.top;
            if (std::abs(extent - expected) > 1)
                CHECK_EQ(extent, expected);
            app.CloseDropDown(combo);
            RECT after{};
            GetWindowRect(combo, &after);
            CHECK_EQ(after.bottom - after.top, box.closedHeight);
        }
    }
}

}  // namespace
}  // namespace glyphwright::guitest
