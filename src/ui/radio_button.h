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
    // bounds.left and bounds.top place it again; the size comes from the caption in its font.
    void Place(const Rect& bounds, Align align) override;

protected:
    void OnCommand(int code) override;

private:
    // The size that holds the mark and the caption at the display's scale.
    static SIZE FitCaption(const std::string& caption, const Font* font, int dpi);
};

}  // namespace glyphwright::ui
