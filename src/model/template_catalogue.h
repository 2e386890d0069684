#pragma once
// Where the templates live: the "Templates" folder beside the executable.

#include <string>
#include <string_view>

namespace glyphwright {

// Start folder + "Templates" + separator. Never created by the program.
std::string TemplateFolder(std::string_view startFolder);

// The template folder + the entry's name, as the template boxes list it.
std::string TemplatePath(std::string_view startFolder, std::string_view entry);

}  // namespace glyphwright
