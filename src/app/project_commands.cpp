// Project files: the whole form to and from a .gwp file.

#include <windows.h>

#include "app/commands.h"
#include "app/main_window.h"
#include "app/project_form.h"
#include "app/file_name_field.h"
#include "model/project_file.h"
#include "platform/files.h"
#include "platform/path_text.h"

namespace glyphwright {

namespace {

// Both directions share the filter, extension and folder; the dialog's own flags keep the
// save side open to new names and the open side to existing files only.
std::optional<std::string> ChooseProjectFile(MainWindow& window, ui::FileDialogDirection direction,
                                             std::string preset) {
    ui::FileDialog& dialog = window.fileDialog;
    dialog.direction = direction;
    dialog.title.clear();
    dialog.filter = kProjectFilter;
    dialog.defaultExtension = kProjectDefaultExtension;
    dialog.initialFolder = ProjectsFolder(platform::StartFolder());
    dialog.fileName = std::move(preset);
    return dialog.Run();
}

}  // namespace

void OpenProject(MainWindow& window) {
    if (std::optional<std::string> path =
            ChooseProjectFile(window, ui::FileDialogDirection::Open, kProjectOpenPreset)) {
        if (!HoldsProjectSection(*path)) {
            // Read as a project, such a file would empty the four text blocks and nothing
            // else; the user picked the wrong file, and the form is worth more than it.
            ReportFailure(window, NotAProjectMessage(*path));
            return;
        }
        WindowProjectForm form(window);
        const std::string failure = TransferProject(form, *path, ProjectDirection::Open);
        if (!failure.empty()) ReportFailure(window, failure);
    }
    // Also after a cancelled dialog: a hand-edited {Q} gives way to the derived one.
    UpdateFileNameField(window);
}

void SaveProject(MainWindow& window) {
    // The dialog opens elsewhere then, and the user can still save.
    const std::string folderFailure = EnsureProjectsFolder(platform::StartFolder());
    if (!folderFailure.empty()) ReportFailure(window, folderFailure);
    // The preset is the form's text; the dialog takes UTF-8.
    const std::string preset = platform::PathFromAnsi(
        SaveProjectPresetName(window.Field(kNameLetter), window.Field(kTeamNameLetter)));
    if (std::optional<std::string> path = ChooseProjectFile(window, ui::FileDialogDirection::Save, preset)) {
        WindowProjectForm form(window);
        const std::string failure = TransferProject(form, *path, ProjectDirection::Save);
        if (!failure.empty()) ReportFailure(window, failure);
    }
}

}  // namespace glyphwright
