#include "app/status_captions.h"

#include <string>

#include "render/text.h"
#include "ui/edit.h"
#include "ui/frame.h"

namespace glyphwright {

namespace {

struct CaptionLabel {
    const char* mask;
    const char* label;  // ends with one blank
};

constexpr CaptionLabel kCaptionLabels[] = {
    {"{R} Description*", "{R} Description "},
    {"{S} Install info*", "{S} Install info "},
    {"{T} Other information*", "{T} Other information "},
    {"{U} Greetings*", "{U} Greetings "},
};

}  // namespace

void ShowPosition(ui::Edit& block, ui::Frame& frame) {
    const int line = block.LineFromChar(-1);
    const int column = block.GetSelection().start - block.LineIndex(line);

    const std::string caption = frame.Text();
    std::string label;
    for (const CaptionLabel& row : kCaptionLabels) {
        if (MatchMask(caption, row.mask)) label = row.label;  // the last match wins
    }
    frame.SetText(label + "[ " + std::to_string(line) + ":" + std::to_string(column) + " ]");
}

void ShowSelectionSize(ui::Edit& preview, ui::Frame& frame) {
    const ui::Edit::Selection selection = preview.GetSelection();
    const int selected = selection.end - selection.start;
    frame.SetText(selected != 0 ? "Selected characters: " + std::to_string(selected) : std::string());
}

void TakeFocusAndHideCaret(ui::Edit& view) {
    if (view.IsEnabled()) view.Focus();
    view.HideCaret();
}

void ScrollOneLine(ui::Edit& view, int wheelDelta) {
    view.ScrollLine(wheelDelta < 0);
}

}  // namespace glyphwright
