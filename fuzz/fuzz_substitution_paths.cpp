// The single-line pass has a fast path for the program's own placeholder table (one scan for
// the brace groups a line holds) and the plain path that tests every tag in turn. On any line
// and any values they must give the same bytes; so must the text blocks' quick test for a
// placeholder and the mask test it stands for.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "render/brace_groups.h"
#include "render/document.h"
#include "render/text.h"
#include "render_input.h"

namespace glyphwright::detail {
// The plain road of the substitution, which only this comparison calls by name.
std::string SubstituteEachTag(std::string_view line, const FieldTable& tags, FieldTable values);
}  // namespace glyphwright::detail

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace glyphwright;
    const fuzzing::RenderInput input =
        fuzzing::SplitRenderInput(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const std::string& line : ParseDocument(input.templateBytes)) {
        if (SubstituteLine(line, PlaceholderTags, input.values) !=
            detail::SubstituteEachTag(line, PlaceholderTags, input.values)) {
            std::abort();
        }
        for (const char* tag : {"{R}", "{S}", "{T}", "{U}"}) {
            const bool quick = HoldsGroupIgnoringCase(line, tag);
            if (quick != MatchMask(line, std::string("*") + tag + "*")) std::abort();
        }
    }
    return 0;
}
