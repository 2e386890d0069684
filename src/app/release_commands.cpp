// Release output: saving the previews, locating the archivers, packing the release folder.

#include <windows.h>

#include "app/commands.h"
#include "app/main_window.h"
#include "app/startup_steps.h"
#include "model/configuration.h"
#include "output/archive_command.h"
#include "output/archiver_detection.h"
#include "output/release_save.h"
#include "platform/files.h"

namespace glyphwright {

namespace {

// Where the archivers live, found once at start-up. A path is kept even when its files were
// not found: packing reaches it only through a selected button.
std::string winRarPath;
std::string sevenZipPath;

}  // namespace

void DetectArchivers(MainWindow& window) {
    SystemArchiverProbes probes(
        ConfigurationPath(platform::StartFolder(), platform::ExecutableFileName()));
    const ArchiverDetection found = DetectArchivers(probes);
    winRarPath = found.winRarPath;
    sevenZipPath = found.sevenZipPath;
    window.winRarButton->SetEnabled(found.winRarEnabled);
    window.winRarButton->SetChecked(found.winRarSelected);
    window.sevenZipButton->SetEnabled(found.sevenZipEnabled);
    window.sevenZipButton->SetChecked(found.sevenZipSelected);
    if (found.showNoArchiverMessage) {
        // The window is still hidden, so the box has no owner; system-modal keeps it in front.
        const std::string caption = window.Window().Text();
        MessageBoxA(nullptr, kNoArchiverMessage, caption.c_str(),
                    MB_OK | MB_ICONINFORMATION | MB_SYSTEMMODAL);
    }
}

void SaveNfoAndDiz(MainWindow& window) {
    ReleaseSaveInput input;
    input.startFolder = platform::StartFolder();
    input.name = window.Field(kNameLetter);
    input.teamName = window.Field(kTeamNameLetter);
    input.nfoText = window.nfoPreview->Text();
    input.dizText = window.dizPreview->Text();
    // The DIZ box ends with an empty entry that stands for "no DIZ file".
    input.dizTemplateChosen = !window.dizTemplateBox->CurrentText().empty();
    if (SaveRelease(input).refused) {
        const std::string caption = window.Window().Text();
        MessageBoxA(window.Window().Handle(), kNameLeavesFolderText, caption.c_str(),
                    MB_OK | MB_ICONEXCLAMATION);
    }
}

void CreateRelease(MainWindow& window) {
    CreateReleaseInput input;
    input.startFolder = platform::StartFolder();
    input.name = window.Field(kNameLetter);
    input.fileName = window.Field(kFileNameLetter);
    input.releaseType = window.Field(kReleaseTypeLetter);
    input.delimiter = window.delimiter->Text();
    input.team = window.packageTeam->Text();
    input.spacer = window.spacer->Text();
    input.winRarOptions = window.winRarOptions->Text();
    input.sevenZipOptions = window.sevenZipOptions->Text();
    input.winRarSelected = window.winRarButton->Checked();
    input.sevenZipSelected = window.sevenZipButton->Checked();
    input.winRarPath = winRarPath;
    input.sevenZipPath = sevenZipPath;

    const CreateReleasePlan plan = PlanCreateRelease(input);
    if (plan.showNothingToPackMessage) {
        MessageBoxA(window.Window().Handle(), kNothingToPackText, kNothingToPackTitle,
                    MB_OK | MB_ICONQUESTION);
        return;
    }
    // The archivers run on this thread: the window waits with them, as the user expects.
    RunArchivers(plan);
}

}  // namespace glyphwright
