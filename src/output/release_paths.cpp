#include "output/release_paths.h"

#include "platform/files.h"

namespace glyphwright {

std::string OutputRoot(std::string_view startFolder) {
    std::string root(startFolder);
    root += "Release";
    return root;
}

std::string ReleaseFolder(std::string_view startFolder, std::string_view name) {
    std::string folder = OutputRoot(startFolder);
    folder += platform::kPathSeparator;
    folder.append(name);
    return folder;
}

std::string NfoFilePath(std::string_view releaseFolder, std::string_view teamName) {
    std::string path(releaseFolder);
    path += platform::kPathSeparator;
    path.append(teamName);
    path += ".nfo";
    return path;
}

std::string DizFilePath(std::string_view releaseFolder) {
    std::string path(releaseFolder);
    path += platform::kPathSeparator;
    path += "File_ID.diz";
    return path;
}

}  // namespace glyphwright
