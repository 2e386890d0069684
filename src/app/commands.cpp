// Commands whose work comes with the template catalogue, rendering, configuration, saving,
// archiving and project files. Until then they are bound and do nothing, so the menu and
// the events already run end to end.

#include "app/commands.h"

#include <windows.h>

#include "app/main_window.h"

namespace glyphwright {

void OpenProject(MainWindow&) {}

void SaveProject(MainWindow&) {}

void SaveNfoAndDiz(MainWindow&) {}

void CreateRelease(MainWindow&) {}

void ExitProgram(MainWindow& window) {
    PostMessageA(window.Window().Handle(), WM_CLOSE, 0, 0);
}

void MakeNfo(MainWindow&) {}

void MakeDiz(MainWindow&) {}

void ViewNfo(MainWindow& window) {
    ShowNfoTemplate(window);
}

void ViewDiz(MainWindow& window) {
    if (!window.dizTemplateBox->CurrentText().empty()) ShowDizTemplate(window);
}

void ApplyInstallInfo(MainWindow&) {}

void ShowNfoTemplate(MainWindow&) {}

void ShowDizTemplate(MainWindow&) {}

}  // namespace glyphwright
