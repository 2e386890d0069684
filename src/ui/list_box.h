#pragma once
// An unsorted list of strings with extended selection. Its current entry is the one that
// holds the focus mark (the caret of the list), which exists before anything is selected.

#include <string>

#include "ui/control.h"

namespace glyphwright::ui {

class ListBox : public Control {
public:
    void Build(const CreateArgs& args);
    FocusKeys FocusMovement() const override { return FocusKeys::ListBox; }

    // The user made another entry current, by mouse or keyboard; not raised by code, nor by
    // a click on the entry that is current already.
    std::function<void()> onSelectionChanged;

    // Adds an entry; the text is UTF-8, and the list shows every character of it.
    void Add(const std::string& text);
    int Count() const;
    // UTF-8.
    std::string ItemText(int index) const;
    // -1 when the list is empty.
    int CurrentIndex() const;
    // Empty when the list is empty.
    std::string CurrentText() const;
    // Moves the focus mark to the entry and selects it.
    void MakeCurrent(int index);
    void SetSelected(int index, bool selected);

protected:
    void OnCommand(int code) override;

private:
    int lastCurrent_ = -1;  // the current entry when the program last looked
};

}  // namespace glyphwright::ui
