// The file-name derivations and the line-break tokens on arbitrary text. Properties:
//   - DeriveFileName leaves no space unless the spacer brings one, and equals replacing every
//     space once when the spacer holds no space;
//   - ReplaceSpacer leaves the file name alone when any input is empty and otherwise never
//     leaves the remembered spacer behind unless the new one brings it back;
//   - the repetition agrees with the plain first-occurrence loop that searches on after the
//     text it just inserted;
//   - ConvertLineBreaks round-trips: text without "{#}" survives ToTokens then FromTokens, and
//     text without CR LF survives FromTokens then ToTokens.
// A repetition that does not end shows up as a libFuzzer timeout.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/line_breaks.h"
#include "model/release_record.h"
#include "render/repeated_replacement.h"
#include "render/text.h"

namespace {

using namespace glyphwright;

void Require(bool condition) {
    if (!condition) std::abort();
}

// The input is "name \0 spacer \0 remembered \0 new spacer \0 rest"; missing parts are empty.
std::string_view Next(std::string_view& data) {
    const std::size_t end = data.find('\0');
    const std::string_view part = data.substr(0, end);
    data = end == std::string_view::npos ? std::string_view() : data.substr(end + 1);
    return part;
}

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

void CheckAgainstPlainLoop(std::string_view text, std::string_view search,
                           std::string_view replacement, const std::string& result) {
    if (search.empty()) return;
    std::string plain(text);
    for (std::size_t at = plain.find(search); at != std::string::npos;
         at = plain.find(search, at + replacement.size())) {
        plain.replace(at, search.size(), replacement);
    }
    Require(result == plain);
}

// Replacing every occurrence once can legitimately multiply the text (a long spacer for every
// space of a long name); keep such results, and the allowance the replay gets, to a few MB.
bool ResultMayBeHuge(std::string_view text, std::string_view search, std::string_view replacement) {
    if (search.empty()) return false;
    const std::size_t growth = 1 + replacement.size() / search.size();
    return (text.size() + replacement.size()) * growth > (std::size_t{4} << 20);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    std::string_view data(reinterpret_cast<const char*>(bytes), size);
    const std::string_view name = Next(data);
    const std::string_view spacer = Next(data);
    const std::string_view remembered = Next(data);
    const std::string_view newSpacer = Next(data);
    const std::string_view rest = data;

    if (ResultMayBeHuge(name, " ", spacer)) return 0;
    const std::string fileName = DeriveFileName(name, spacer);
    if (!Contains(spacer, " ")) {
        Require(!Contains(fileName, " "));
        Require(fileName == ReplaceEachOnce(name, " ", spacer));
    }
    CheckAgainstPlainLoop(name, " ", spacer, fileName);

    if (ResultMayBeHuge(fileName, remembered, newSpacer)) return 0;
    const std::string replaced = ReplaceSpacer(fileName, remembered, newSpacer);
    if (fileName.empty() || remembered.empty() || newSpacer.empty()) {
        Require(replaced == fileName);
    } else {
        if (!Contains(newSpacer, remembered) && Contains(replaced, remembered)) {
            // Only an allowance-bounded growing rule may leave one behind; then every original
            // occurrence was replaced once.
            Require(replaced == ReplaceEachOnce(fileName, remembered, newSpacer));
        }
        CheckAgainstPlainLoop(fileName, remembered, newSpacer, replaced);
    }

    const std::string tokens = ConvertLineBreaks(rest, LineBreakDirection::ToTokens);
    Require(!Contains(tokens, "\r\n"));
    if (!Contains(rest, "{#}")) {
        Require(ConvertLineBreaks(tokens, LineBreakDirection::FromTokens) == rest);
    }
    const std::string breaks = ConvertLineBreaks(rest, LineBreakDirection::FromTokens);
    Require(!Contains(breaks, "{#}"));
    if (!Contains(rest, "\r\n")) {
        Require(ConvertLineBreaks(breaks, LineBreakDirection::ToTokens) == rest);
    }
    return 0;
}
