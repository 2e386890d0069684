#pragma once
// A plain child window that the program paints itself.

#include "ui/control.h"

namespace glyphwright::ui {

class PaintBox : public Control {
public:
    void Build(const CreateArgs& args);

    // Each WM_PAINT, with the device context of BeginPaint.
    std::function<void(HDC dc)> onPaint;

protected:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

}  // namespace glyphwright::ui
