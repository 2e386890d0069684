#pragma once
// The three edit kinds: the one-line text field, the multi-line text block and the read-only
// multi-line view. All hold 8-bit text of any length.

#include <optional>
#include <string>

#include "ui/control.h"

namespace glyphwright::ui {

class Edit : public Control {
public:
    // Every change of the text, typed or set (a multi-line edit does not report text set
    // with SetText: that is the platform's rule).
    std::function<void()> onTextChanged;

    struct Selection {
        int start = 0;
        int end = 0;
    };
    Selection GetSelection() const;
    // The line of a character index; -1 asks for the line of the selection start.
    int LineFromChar(int index) const;
    // The index of the first character of a line.
    int LineIndex(int line) const;
    // Scrolls the text by one line, as the scroll bar's arrows do (with or without a bar).
    void ScrollLine(bool down);
    // Hides the caret once more (the platform counts hidings until the next focus).
    void HideCaret();

protected:
    void BuildEdit(const CreateArgs& args, DWORD style);
    void OnCommand(int code) override;
};

// One line, scrolling sideways, with a border.
class TextField : public Edit {
public:
    void Build(const CreateArgs& args);
    FocusKeys FocusMovement() const override { return FocusKeys::TextField; }
};

// Several lines, word-wrapped, with a vertical scroll bar. Tab leaves it (the window's focus
// keys take Tab before the edit sees it); Enter breaks the line.
class TextBlock : public Edit {
public:
    void Build(const CreateArgs& args);
    FocusKeys FocusMovement() const override { return FocusKeys::Tab; }
};

// Read-only, word-wrapped, every line centred, no scroll bars.
//
// A hidden view keeps a new text to itself until it is painted or asked anything about its
// text: the edit control lays out every line as it takes a text, seconds for a big template
// under Wine, and a view on a page nobody opens need not pay for that. Whoever looks sees the
// text exactly as if it had been set at once.
class View : public Edit {
public:
    void Build(const CreateArgs& args);
    FocusKeys FocusMovement() const override { return FocusKeys::Tab; }
    void SetText(const std::string& text) override;

protected:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void TakeHeldText();
    std::optional<std::string> heldText_;
};

}  // namespace glyphwright::ui
