#include "render/text.h"

#include "platform/codepage.h"
#include "render/mask_match.h"

namespace glyphwright {

bool MatchMask(std::string_view text, std::string_view mask) {
    if (text.empty() || mask.empty()) return false;
    return detail::MatchLoweredMask(detail::AnsiLowerCopy(text), detail::AnsiLowerCopy(mask));
}

bool ReplaceFirst(std::string& text, std::string_view search, std::string_view replacement) {
    if (search.empty()) return false;
    const std::size_t at = text.find(search);
    if (at == std::string::npos) return false;
    text.replace(at, search.size(), replacement);
    return true;
}

std::string PadRight(std::string_view text, std::size_t width) {
    std::string padded(text);
    if (padded.size() < width) padded.append(width - padded.size(), ' ');
    return padded;
}

std::string PadCenter(std::string_view text, std::size_t width) {
    if (text.size() >= width) return std::string(text);
    const std::size_t blanks = width - text.size();
    const std::size_t left = blanks / 2;
    std::string padded(left, ' ');
    padded.append(text);
    padded.append(blanks - left, ' ');
    return padded;
}

std::string AnsiToOem(std::string_view text) {
    std::string converted(text);
    if (!converted.empty()) platform::AnsiToOemInPlace(converted.data(), converted.size());
    return converted;
}

}  // namespace glyphwright
