// The listing of a profile text's sections and entries, in a file of its own: only a checker
// asks for it, and the window, which links the reader, then does not carry it.

#include <algorithm>

#include "platform/profile_text.h"

namespace glyphwright::platform {

std::vector<ProfileText::Listed> ProfileText::List() const {
    // Line numbers of offsets, counted as the parser breaks lines: at CR, at LF, CR LF once.
    std::vector<std::size_t> lineStarts{0};
    for (std::size_t i = 0; i < text_.size(); ++i) {
        if (text_[i] == '\n' ||
            (text_[i] == '\r' && (i + 1 >= text_.size() || text_[i + 1] != '\n'))) {
            lineStarts.push_back(i + 1);
        }
    }
    const auto lineOf = [&](std::size_t offset) {
        return static_cast<std::size_t>(
            std::upper_bound(lineStarts.begin(), lineStarts.end(), offset) - lineStarts.begin());
    };
    std::vector<Listed> listed;
    if (!readable_) return listed;
    for (std::size_t s = 0; s < sections_.size(); ++s) {
        const Section& section = sections_[s];
        // The first section is the one before any header: it has a line only when it has entries.
        const std::size_t sectionLine = s == 0 ? 0 : lineOf(section.headerAt);
        if (s > 0)
            listed.push_back(Listed{section.name, sectionLine, std::string(), false, sectionLine});
        for (const Entry& entry : section.entries) {
            listed.push_back(Listed{section.name, sectionLine, entry.name, entry.value.has_value(),
                                    lineOf(entry.lineBegin)});
        }
    }
    return listed;
}

}  // namespace glyphwright::platform
