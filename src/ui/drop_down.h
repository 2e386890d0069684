#pragma once
// A combo box with an editable text part and an unsorted list.

#include <string>

#include "ui/control.h"

namespace glyphwright::ui {

class DropDown : public Control {
public:
    // bounds.height is the height of the closed box.
    void Build(const CreateArgs& args);
    FocusKeys FocusMovement() const override { return FocusKeys::Tab; }

    // The user typed in the text part (at once), or picked an entry of the list (later, from
    // the message loop, when the text part already shows the entry).
    std::function<void()> onTextChanged;

    void AddItem(const std::string& text);
    int Count() const;
    // Makes an entry current and shows it in the text part; raises no change.
    void SetCurrent(int index);
    void Clear();
    // The edit part, which is what holds the focus and receives typing.
    HWND EditHandle() const;
    // bounds.height is the height of the closed box, as at creation.
    void Place(const Rect& bounds, Align align) override;

protected:
    void OnCommand(int code) override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void FitClosedHeight(int height);
    void SizeListForOpening();

    int closedHeight_ = 0;
};

}  // namespace glyphwright::ui
