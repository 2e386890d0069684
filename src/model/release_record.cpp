#include "model/release_record.h"

#include "render/repeated_replacement.h"

namespace glyphwright {

// Both replace the first occurrence until none is left; a spacer holding a blank, or a new spacer
// holding the remembered one, would keep that going forever, so the repetition is the bounded
// one that replaces such occurrences once and moves on.
std::string DeriveFileName(std::string_view name, std::string_view spacer) {
    return ReplaceRepeatedly(name, " ", spacer);
}

std::string ReplaceSpacer(std::string_view fileName, std::string_view rememberedSpacer,
                          std::string_view newSpacer) {
    if (fileName.empty() || rememberedSpacer.empty() || newSpacer.empty()) {
        return std::string(fileName);
    }
    return ReplaceRepeatedly(fileName, rememberedSpacer, newSpacer);
}

}  // namespace glyphwright
