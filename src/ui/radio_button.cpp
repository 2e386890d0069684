#include "ui/radio_button.h"

#include <algorithm>

#include "ui/font.h"

namespace glyphwright::ui {

namespace {
constexpr int kCaptionGap = 4;  // between the round mark and the caption, as drawn
constexpr int kFocusMargin = 4;  // room for the focus rectangle around the caption
}  // namespace

// The mark's size is the system's for the display (a program aware of the scale gets it
// scaled); the gaps are 96-DPI figures.
SIZE RadioButton::FitCaption(const std::string& caption, const Font* font, int dpi) {
    const SIZE text = font ? font->Measure(caption.c_str()) : SIZE{0, 0};
    const int mark = GetSystemMetrics(SM_CXMENUCHECK);
    return {mark + Scale(kCaptionGap, dpi) + text.cx + Scale(kFocusMargin, dpi),
            std::max<int>(mark, text.cy) + Scale(kFocusMargin, dpi)};
}

void RadioButton::Place(const Rect& bounds, Align align) {
    const SIZE size = FitCaption(Text(), GetFont(), Dpi());
    Control::Place({bounds.left, bounds.top, size.cx, size.cy}, align);
}

void RadioButton::Build(const CreateArgs& args) {
    CreateArgs sized = args;
    const Font* font = args.font ? args.font : (args.parent ? args.parent->GetFont() : nullptr);
    const SIZE size = FitCaption(args.text, font, args.parent ? args.parent->Dpi() : kBaseDpi);
    sized.bounds.width = size.cx;
    sized.bounds.height = size.cy;
    // BS_RADIOBUTTON, not BS_AUTORADIOBUTTON: the automatic kind groups by WS_GROUP and tab
    // order, and may check a button that the program left unchecked when it gets the focus.
    CreateHandle("BUTTON", BS_RADIOBUTTON | BS_NOTIFY | WS_GROUP | WS_TABSTOP | args.style, 0,
                 sized);
}

bool RadioButton::Checked() const {
    return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void RadioButton::SetChecked(bool checked) {
    SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void RadioButton::OnCommand(int code) {
    if (code != BN_CLICKED) return;
    SetChecked(true);
    for (const auto& control : Root()->Controls()) {
        auto* other = dynamic_cast<RadioButton*>(control.get());
        if (other && other != this && other->Parent() == Parent()) other->SetChecked(false);
    }
    if (onClick) onClick();
}

}  // namespace glyphwright::ui
