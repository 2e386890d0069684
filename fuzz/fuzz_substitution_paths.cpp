// The single-line pass has a fast path for the program's own placeholder table (one scan for
// the brace groups a line holds) and the plain path that tests every tag in turn. On any line
// and any values they must give the same bytes; so must the text blocks' quick test for a
// placeholder and the mask test it stands for.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "render/brace_groups.h"
#include "render/document.h"
#include "render/mask_match.h"
#include "render_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace glyphwright;
    const fuzzing::RenderInput input =
        fuzzing::SplitRenderInput(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const std::string& line : ParseDocument(input.templateBytes)) {
        if (SubstituteLine(line, PlaceholderTags, input.values) !=
            detail::SubstituteEachTag(line, PlaceholderTags, input.values)) {
            std::abort();
        }
        const std::string lowered = detail::AnsiLowerCopy(line);
        for (const char* tag : {"{R}", "{S}", "{T}", "{U}"}) {
            const bool quick = detail::HoldsGroupIgnoringCase(line, tag);
            const std::string mask = detail::AnsiLowerCopy(std::string("*") + tag + "*");
            if (quick != detail::MatchLoweredMask(lowered, mask)) std::abort();
        }
    }
    return 0;
}
