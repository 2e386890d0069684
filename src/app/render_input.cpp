#include "app/render_input.h"

#include "app/main_window.h"
#include "app/project_form.h"
#include "ui/edit_lines.h"

namespace glyphwright {

RenderInput RenderInputFromWindow(MainWindow& window) {
    const WindowProjectForm form(window);
    RenderInput input;
    input.lineValues = ReadLineValues(form);
    input.blocks = ReadTextBlocks([&window](char letter) { return ui::DisplayedLines(*window.TextBlock(letter)); });
    return input;
}

}  // namespace glyphwright
