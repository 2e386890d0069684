#include "ui/frame.h"

#include "ui/font.h"

namespace glyphwright::ui {

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
    return FrameInterior(ClientRect(), GetFont() ? GetFont()->LineHeight() : 0, Dpi());
}

}  // namespace glyphwright::ui
