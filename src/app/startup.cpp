#include "app/startup.h"

#include "app/main_window.h"
#include "app/release_record.h"
#include "app/startup_steps.h"
#include "model/archiver_table.h"

namespace glyphwright {

void RunCreationStep(MainWindow& window) {
    for (const ArchiverRow& row : kArchivers) window.SetItemChecked(row.button, false);
    LoadConfigurationIfPresent(window);
    DetectArchivers(window);
}

void OnWindowShown(MainWindow& window) {
    window.SelectPage(kPageReleaseInformation);
    FillTemplateLists(window);
    ApplyArchiverOptionTexts(window);
    DeriveFileName(window);
    ShowFirstTemplates(window);
    MakeFirstTemplatesCurrent(window);
}

}  // namespace glyphwright
