#include "app/documents.h"

#include "app/main_window.h"
#include "app/project_form.h"
#include "ui/edit_lines.h"

namespace glyphwright {

namespace {
Document nfoDocument;
Document dizDocument;
}  // namespace

Document& NfoDocument() {
    return nfoDocument;
}

Document& DizDocument() {
    return dizDocument;
}

RenderInput ReadRenderInput(MainWindow& window) {
    const WindowProjectForm form(window);
    RenderInput input;
    input.lineValues = ReadLineValues(form);
    input.blocks = ReadTextBlocks([&window](char letter) { return ui::DisplayedLines(*window.TextBlock(letter)); });
    return input;
}

}  // namespace glyphwright
