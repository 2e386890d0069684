#include "ui/label.h"

namespace glyphwright::ui {

void Label::Build(const AnyControlArgs& args) {
    // SS_LEFT is the static style that wraps; the one-line kind must say so explicitly.
    DWORD style = SS_NOPREFIX | (args.wrap ? SS_LEFT : SS_LEFTNOWORDWRAP);
    CreateHandle("STATIC", style | args.style, 0, args);
}

}  // namespace glyphwright::ui
