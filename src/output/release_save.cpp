#include "output/release_save.h"

#include "output/release_paths.h"
#include "platform/files.h"

namespace glyphwright {

ReleaseSaveResult SaveRelease(const ReleaseSaveInput& input) {
    ReleaseSaveResult result;
    if (!StaysInReleaseFolder(input.name) || !StaysInReleaseFolder(input.teamName)) {
        result.refused = true;
        return result;
    }
    const std::string root = OutputRoot(input.startFolder);
    if (!platform::DirectoryExists(root)) platform::CreateOneDirectory(root);
    const std::string folder = ReleaseFolder(input.startFolder, input.name);
    if (!platform::DirectoryExists(folder)) platform::CreateOneDirectory(folder);
    platform::RemoveStaleTemporaries(folder);

    result.nfoWritten = platform::WriteFileReplacing(NfoFilePath(folder, input.teamName), input.nfoText);
    if (input.dizTemplateChosen && !input.dizText.empty()) {
        result.dizWritten = platform::WriteFileReplacing(DizFilePath(folder), input.dizText);
    }
    return result;
}

}  // namespace glyphwright
