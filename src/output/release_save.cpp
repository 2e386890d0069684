#include "output/release_save.h"

#include "output/file_name_rule.h"
#include "output/release_paths.h"
#include "platform/codepage.h"
#include "platform/files.h"

namespace glyphwright {

ReleaseSaveResult SaveRelease(const ReleaseSaveInput& input) {
    ReleaseSaveResult result;
    const unsigned codePage = platform::AnsiCodePage();
    const struct {
        const char* which;
        const std::string& name;
    } names[] = {{"Name", input.name}, {"Team Name", input.teamName}};
    for (const auto& [which, name] : names) {
        const NameVerdict verdict = JudgeFileName(name, codePage);
        if (!verdict.Ok()) {
            result.refused = true;
            result.message =
                NameRefusalText(which, name, verdict, codePage) + "\r\nNothing was saved.";
            return result;
        }
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
