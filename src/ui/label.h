#pragma once
// Static text, left-aligned. The text is shown as given: no "&" mnemonics.

#include "ui/control.h"

namespace glyphwright::ui {

struct LabelArgs : CreateArgs {
    bool wrap = false;  // break the text into lines within the label's width (and at CR LF)
};

class Label : public Control {
public:
    void Build(const LabelArgs& args);
};

}  // namespace glyphwright::ui
