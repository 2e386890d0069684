#pragma once
// Static text, left-aligned. The text is shown as given: no "&" mnemonics.

#include <string>

#include "ui/control.h"

namespace glyphwright::ui {

// CreateArgs with the one setting a label adds. Every kind takes it as its CreateArgs, so a
// table of controls of mixed kinds fills one for each row, whatever kind the row names.
struct AnyControlArgs : CreateArgs {
    bool wrap = false;  // a label: break the text into lines within its width (and at CR LF)
};

class Label : public Control {
public:
    void Build(const AnyControlArgs& args);
    // A wrapping label is made wide enough for its widest line where the font needs more
    // than `bounds` gives.
    void Place(const Rect& bounds, Align align) override;

private:
    Rect WideEnoughForLines(Rect bounds) const;

    bool wrap_ = false;
};

}  // namespace glyphwright::ui
