// Template listing, rendering and raw views: Make NFO/DIZ, View NFO/DIZ, a new template choice.

#include "app/commands.h"
#include "app/main_window.h"
#include "app/startup_steps.h"

namespace glyphwright {

void FillTemplateLists(MainWindow&) {}
void ShowFirstTemplates(MainWindow&) {}
void MakeFirstTemplatesCurrent(MainWindow&) {}

void MakeNfo(MainWindow&) {}
void MakeDiz(MainWindow&) {}

void ViewNfo(MainWindow& window) {
    ShowNfoTemplate(window);
}

void ViewDiz(MainWindow& window) {
    if (!window.dizTemplateBox->CurrentText().empty()) ShowDizTemplate(window);
}

void ShowNfoTemplate(MainWindow&) {}
void ShowDizTemplate(MainWindow&) {}

}  // namespace glyphwright
