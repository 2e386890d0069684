#include "ui/frame.h"

#include "ui/font.h"

namespace glyphwright::ui {

namespace {
constexpr int kBorder = 2;  // frame line and its 3-D shadow
}  // namespace

void Frame::Build(const CreateArgs& args) {
    CreateHandle("BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | args.style, 0, args);
}

bool Frame::HandleMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message == WM_ERASEBKGND) {
        // A group box erases nothing itself: as a parent its area would keep whatever was
        // drawn there before (a hidden control, another page).
        RECT client{};
        GetClientRect(Handle(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        result = 1;
        return true;
    }
    return false;
}

Rect Frame::AlignArea() const {
    Rect client = ClientRect();
    const int captionHeight = GetFont() ? GetFont()->LineHeight() : 0;
    Rect area{kBorder, captionHeight + kBorder, client.width - 2 * kBorder,
              client.height - captionHeight - 2 * kBorder};
    if (area.width < 0) area.width = 0;
    if (area.height < 0) area.height = 0;
    return area;
}

}  // namespace glyphwright::ui
