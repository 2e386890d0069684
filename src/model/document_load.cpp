#include "model/document_load.h"

#include "platform/files.h"

namespace glyphwright {

bool LoadDocument(Document& document, const std::string& path) {
    std::string bytes;
    if (!platform::ReadWholeFile(path, bytes, kMaxTemplateBytes)) return false;
    document = ParseDocument(bytes);
    return true;
}

std::string ReadTemplateText(const std::string& path) {
    std::string bytes;
    platform::ReadWholeFile(path, bytes, kMaxTemplateBytes);
    return bytes;
}

}  // namespace glyphwright
