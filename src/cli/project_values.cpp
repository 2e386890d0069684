#include "cli/project_values.h"

#include "cli/cli_io.h"

namespace glyphwright::cli {

bool OpenProjectBytes(std::string_view bytes, MemoryProjectForm& form) {
    const ProjectText text(bytes);
    if (!text.HoldsAnyRow()) return false;
    OpenProjectValues(form, text);
    form.DeriveFileName();
    return true;
}

bool OpenProject(const std::string& path, MemoryProjectForm& form, std::string& error) {
    std::string bytes;
    if (!ReadInput(path, kMaxProjectBytes, bytes, error)) return false;
    if (!OpenProjectBytes(bytes, form)) {
        error = ShownPath(path) +
                ": not a project file (none of its sections and keys, such as [APPLICATION] Name=, "
                "is there)";
        return false;
    }
    return true;
}

}  // namespace glyphwright::cli
