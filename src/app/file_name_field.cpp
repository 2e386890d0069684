#include "app/file_name_field.h"

#include "app/main_window.h"
#include "model/release_record.h"

namespace glyphwright {

void UpdateFileNameField(MainWindow& window) {
    window.SetField(kFileNameLetter, DeriveFileName(window.Field(kNameLetter), window.spacer->Text()));
}

void RememberSpacer(MainWindow& window) {
    std::string current = window.spacer->Text();
    if (!current.empty()) window.state.rememberedSpacer = current;
}

void ReplaceSpacerInFileNameField(MainWindow& window) {
    const std::string fileName = window.Field(kFileNameLetter);
    const std::string newSpacer = window.spacer->Text();
    // Clearing the Spacer leaves {Q} alone: the next spacer typed replaces the last one.
    const std::string& remembered = window.state.rememberedSpacer;
    if (fileName.empty() || remembered.empty() || newSpacer.empty()) return;
    window.SetField(kFileNameLetter, ReplaceSpacer(fileName, remembered, newSpacer));
}

}  // namespace glyphwright
