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
#include "ui/message_box.h"

namespace glyphwright {

void DetectArchivers(MainWindow& window) {
    SystemArchiverProbes probes(ProgramConfigurationPath());
    const ArchiverDetection found = DetectArchivers(probes);
    for (const ArchiverRow& row : kArchivers) {
        window.state.archiverPaths[row.archiver] = found[row.archiver].path;
        window.ItemControl(ArchiverButtonItem(row.archiver))->SetEnabled(found[row.archiver].enabled);
        window.SetItemChecked(ArchiverButtonItem(row.archiver), found[row.archiver].selected);
    }
    if (found.showNoArchiverMessage) {
        // The window is still hidden, so the box has no owner; system-modal keeps it in front.
        const std::string caption = window.Window().Text();
        MessageBoxA(nullptr, kNoArchiverMessage, caption.c_str(),
                    MB_OK | MB_ICONINFORMATION | MB_SYSTEMMODAL);
    }
}

void ReportFailure(MainWindow& window, std::string_view text) {
    ui::ShowMessage(window.Window().Handle(), text, window.Window().Text(), MB_OK | MB_ICONEXCLAMATION);
}

void SaveNfoAndDiz(MainWindow& window) {
    ReleaseSaveInput input;
    input.startFolder = platform::StartFolder();
    input.name = window.Field(kNameLetter);
    input.teamName = window.Field(kTeamNameLetter);
    input.nfoText = window.nfoPreview->Text();
    input.dizText = window.dizPreview->Text();
    // The DIZ box ends with an empty entry that stands for "no DIZ file".
    input.dizTemplateChosen = !CurrentDizTemplate(window).empty();
    const ReleaseSaveResult result = SaveRelease(input);
    if (!result.failure.empty()) ReportFailure(window, result.failure);
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
    for (const ArchiverRow& row : kArchivers) {
        ChosenArchiver& chosen = input.archivers[row.archiver];
        chosen.options = window.ItemText(ArchiverOptionsItem(row.archiver));
        chosen.selected = window.ItemChecked(ArchiverButtonItem(row.archiver));
        chosen.path = window.state.archiverPaths[row.archiver];
    }

    const CreateReleasePlan plan = PlanCreateRelease(input);
    if (plan.showNothingToPackMessage) {
        MessageBoxA(window.Window().Handle(), kNothingToPackText, kNothingToPackTitle,
                    MB_OK | MB_ICONQUESTION);
        return;
    }
    if (plan.refused) {
        ReportFailure(window, plan.refusalText);
        return;
    }
    // The archivers run on this thread: the window waits with them, as the user expects.
    const std::string failure = RunArchivers(plan);
    if (!failure.empty()) ReportFailure(window, failure);
}

}  // namespace glyphwright
