#pragma once
// A group box with its caption in the top edge. Here it is the parent of the controls it
// frames; they are placed in its client coordinates.

#include "ui/control.h"

namespace glyphwright::ui {

class Frame : public Control {
public:
    void Build(const CreateArgs& args);

protected:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // Inside the border and under the caption line, so a filling child leaves the caption
    // and the frame lines visible.
    Rect AlignArea() const override;
};

}  // namespace glyphwright::ui
