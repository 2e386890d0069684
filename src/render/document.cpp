#include "render/document.h"

namespace glyphwright {

Document ParseDocument(std::string_view bytes) {
    Document document;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\r', start);
        if (end == std::string_view::npos) end = bytes.size();
        const std::string_view line = bytes.substr(start, end - start);
        const std::size_t nul = line.find('\0');
        if (nul == 0) break;
        document.emplace_back(line.substr(0, nul));
        start = end + 1;
        if (start < bytes.size() && bytes[start] == '\n') ++start;
    }
    return document;
}

std::string DocumentText(const Document& document) {
    std::size_t size = 0;
    for (const std::string& line : document) size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& line : document) {
        text.append(line);
        text.append("\r\n");
    }
    return text;
}

}  // namespace glyphwright
