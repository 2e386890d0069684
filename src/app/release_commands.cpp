// Release output: saving the previews, locating the archivers, packing the release folder.

#include "app/commands.h"
#include "app/main_window.h"
#include "app/startup_steps.h"

namespace glyphwright {

void DetectArchivers(MainWindow&) {}
void SaveNfoAndDiz(MainWindow&) {}
void CreateRelease(MainWindow&) {}

}  // namespace glyphwright
