#include "ui/paint_box.h"

namespace glyphwright::ui {

void PaintBox::Build(const CreateArgs& args) {
    CreateHandle(PlainWindowClass(), args.style, 0, args);
}

bool PaintBox::HandleMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != WM_PAINT) return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    if (onPaint) onPaint(dc);
    EndPaint(Handle(), &paint);
    result = 0;
    return true;
}

}  // namespace glyphwright::ui
