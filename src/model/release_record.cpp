#include "model/release_record.h"

#include "render/repeated_replacement.h"

namespace glyphwright {

// Both replace the first occurrence until none is left, each search continuing after the text
// just inserted: a spacer holding a blank, or a new spacer holding the remembered one, would
// otherwise keep the repetition going forever.
std::string DeriveFileName(std::string_view name, std::string_view spacer) {
    return ReplaceEachOnce(name, " ", spacer);
}

std::string ReplaceSpacer(std::string_view fileName, std::string_view rememberedSpacer,
                          std::string_view newSpacer) {
    if (fileName.empty() || rememberedSpacer.empty() || newSpacer.empty()) {
        return std::string(fileName);
    }
    return ReplaceEachOnce(fileName, rememberedSpacer, newSpacer);
}

}  // namespace glyphwright
