// The configuration file beside the executable: lists, greetings, install texts, options.

#include "app/commands.h"
#include "app/main_window.h"
#include "app/startup_steps.h"

namespace glyphwright {

void LoadConfigurationIfPresent(MainWindow&) {}
void ApplyArchiverOptionTexts(MainWindow&) {}
void ApplyInstallInfo(MainWindow&) {}

}  // namespace glyphwright
