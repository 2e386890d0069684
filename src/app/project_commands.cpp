// Project files: the whole form to and from a .gwp file.

#include "app/commands.h"
#include "app/main_window.h"

namespace glyphwright {

void OpenProject(MainWindow&) {}
void SaveProject(MainWindow&) {}

}  // namespace glyphwright
