#include "app/release_record.h"

#include "app/main_window.h"
#include "model/release_record.h"

namespace glyphwright {

namespace {
std::string rememberedSpacer;
}  // namespace

const std::string& RememberedSpacer() {
    return rememberedSpacer;
}

void DeriveFileName(MainWindow& window) {
    window.SetField(kFileNameLetter, DeriveFileName(window.Field(kNameLetter), window.spacer->Text()));
}

void RememberSpacer(MainWindow& window) {
    std::string current = window.spacer->Text();
    if (!current.empty()) rememberedSpacer = current;
}

void ReplaceSpacer(MainWindow& window) {
    const std::string fileName = window.Field(kFileNameLetter);
    const std::string newSpacer = window.spacer->Text();
    // Clearing the Spacer leaves {Q} alone: the next spacer typed replaces the last one.
    if (fileName.empty() || rememberedSpacer.empty() || newSpacer.empty()) return;
    window.SetField(kFileNameLetter, ReplaceSpacer(fileName, rememberedSpacer, newSpacer));
}

}  // namespace glyphwright
