#pragma once
// A radio button sized to fit its caption. A click checks it and clears the other radio
// buttons of the same parent; checking it from code touches only this button.

#include "ui/control.h"

namespace glyphwright::ui {

class RadioButton : public Control {
public:
    // bounds.left and bounds.top place it; the size comes from the caption.
    void Build(const CreateArgs& args);
    FocusKeys FocusMovement() const override { return FocusKeys::Tab; }

    std::function<void()> onClick;

    bool Checked() const;
    void SetChecked(bool checked);

protected:
    void OnCommand(int code) override;
};

}  // namespace glyphwright::ui
