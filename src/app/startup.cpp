#include "app/startup.h"

#include "app/main_window.h"
#include "app/release_record.h"

namespace glyphwright {

namespace {

// Reading the configuration file and locating the archivers come with their own modules;
// these are the places start-up calls them from.
void LoadConfigurationIfPresent(MainWindow&) {}
void DetectArchivers(MainWindow&) {}
void FillTemplateLists(MainWindow&) {}
void ApplyArchiverOptionTexts(MainWindow&) {}
void ShowFirstTemplates(MainWindow&) {}
void MakeFirstTemplatesCurrent(MainWindow&) {}

}  // namespace

void RunCreationStep(MainWindow& window) {
    window.winRarButton->SetChecked(false);
    window.sevenZipButton->SetChecked(false);
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
