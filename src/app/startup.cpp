#include "app/startup.h"

#include "app/main_window.h"
#include "app/file_name_field.h"
#include "app/startup_steps.h"
#include "app/step_marks.h"
#include "model/form_item.h"

namespace glyphwright {

void RunCreationStep(MainWindow& window) {
    for (const ArchiverRow& row : kArchivers) window.SetItemChecked(ArchiverButtonItem(row.archiver), false);
    LoadConfigurationIfPresent(window);
    MarkStep("configuration");
    DetectArchivers(window);
    MarkStep("archiver detection");
}

void OnWindowShown(MainWindow& window) {
    window.SelectPage(kPageReleaseInformation);
    FillTemplateLists(window);
    MarkStep("template listing");
    ApplyArchiverOptionTexts(window);
    UpdateFileNameField(window);
    ShowFirstTemplates(window);
    MakeFirstTemplatesCurrent(window);
    MarkStep("raw previews");
}

}  // namespace glyphwright
