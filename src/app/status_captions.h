#pragma once
// Live status in the frame captions around the text blocks and the NFO preview, and the
// mouse behaviour of the read-only views.

namespace glyphwright {

namespace ui {
class Edit;
class Frame;
class View;
}  // namespace ui

// The frame caption becomes the block's label, then "[ line:column ]" of the selection start.
void ShowPosition(ui::Edit& block, ui::Frame& frame);
// "Selected characters: N", or an empty caption when nothing is selected.
void ShowSelectionSize(ui::Edit& preview, ui::Frame& frame);
// Focus to the view (when enabled) and its caret hidden, on every mouse move over it.
void TakeFocusAndHideCaret(ui::Edit& view);
// One line per wheel message: down for a negative delta, else up.
void ScrollOneLine(ui::Edit& view, int wheelDelta);

}  // namespace glyphwright
