#include "app/status_captions.h"

#include "app/status_caption_text.h"
#include "ui/edit.h"
#include "ui/frame.h"

namespace glyphwright {

void ShowPosition(ui::Edit& block, ui::Frame& frame) {
    const int line = block.LineFromChar(-1);
    const int column = block.GetSelection().start - block.LineIndex(line);

    frame.SetText(PositionCaption(frame.Text(), line, column));
}

void ShowSelectionSize(ui::Edit& preview, ui::Frame& frame) {
    const ui::Edit::Selection selection = preview.GetSelection();
    frame.SetText(SelectionCaption(selection.end - selection.start));
}

void TakeFocusAndHideCaret(ui::Edit& view) {
    if (view.IsEnabled()) view.Focus();
    view.HideCaret();
}

void ScrollOneLine(ui::Edit& view, int wheelDelta) {
    view.ScrollLine(wheelDelta < 0);
}

}  // namespace glyphwright
