#include "cli/project_values.h"

#include "platform/files.h"
#include "platform/profile_text.h"

namespace glyphwright::cli {

std::string ProfilePath(const std::string& path) {
    if (path.find_first_of("\\/:") != std::string::npos) return path;
#ifdef _WIN32
    return ".\\" + path;
#else
    return "./" + path;
#endif
}

bool OpenProject(const std::string& path, MemoryProjectForm& form, std::string& error) {
    std::string bytes;
    if (platform::DirectoryExists(path)) {
        error = path + ": is a folder, not a project file";
        return false;
    }
    if (!platform::ReadWholeFile(path, bytes)) {
        error = path + (platform::FileExists(path) ? ": cannot be read" : ": no such file");
        return false;
    }
    const platform::ProfileText text(bytes);
    bool anyKey = false;
    for (const ProjectRow& row : ProjectRows()) anyKey = anyKey || text.HasValue(row.section, row.key);
    if (!anyKey) {
        error = path + ": not a project file (none of its sections and keys, such as [APPLICATION] Name=, is there)";
        return false;
    }
    TransferProject(form, ProfilePath(path), ProjectDirection::Open);
    form.DeriveFileName();
    return true;
}

}  // namespace glyphwright::cli
