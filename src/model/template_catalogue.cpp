#include "model/template_catalogue.h"

#include "platform/files.h"

namespace glyphwright {

std::string TemplateFolder(std::string_view startFolder) {
    std::string folder(startFolder);
    folder += "Templates";
    folder += platform::kPathSeparator;
    return folder;
}

std::string TemplatePath(std::string_view startFolder, std::string_view entry) {
    std::string path = TemplateFolder(startFolder);
    path.append(entry);
    return path;
}

}  // namespace glyphwright
