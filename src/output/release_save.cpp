#include "output/release_save.h"

#include <vector>

#include "output/file_name_rule.h"
#include "output/release_paths.h"
#include "platform/codepage.h"
#include "platform/failure_text.h"
#include "platform/files.h"
#include "platform/path_text.h"

namespace glyphwright {
namespace {

constexpr char kNothingSaved[] = "Nothing was saved.";

// What one save has done so far, so that a failure can take all of it back: the folders it
// made, the temporaries it wrote, and where an earlier NFO waits to be put back.
class SaveSteps {
  public:
    ~SaveSteps() {
        if (committed_) return;
        for (const std::string& temporary : temporaries_) platform::DeleteOneFile(temporary);
        if (!placedNfo_.empty()) {
            if (!keptNfo_.empty()) {
                platform::RenameFile(keptNfo_, placedNfo_, true);
            } else {
                platform::DeleteOneFile(placedNfo_);
            }
        }
        // Deepest first; a folder that holds anything stays.
        for (auto folder = createdFolders_.rbegin(); folder != createdFolders_.rend(); ++folder) {
            platform::RemoveEmptyFolder(*folder);
        }
    }

    // Creates the folder when it is missing.
    platform::FileStatus EnsureFolder(const std::string& folder) {
        if (platform::DirectoryExists(folder)) return {};
        platform::FileStatus status = platform::CreateFolder(folder);
        if (status.Ok()) createdFolders_.push_back(folder);
        return status;
    }

    platform::FileStatus WriteTemporary(const std::string& target, std::string_view bytes,
                                        std::string& temporary) {
        platform::FileStatus status = platform::WriteTemporaryBeside(target, bytes, temporary);
        if (status.Ok()) temporaries_.push_back(temporary);
        return status;
    }

    // Puts the new NFO in place; an NFO already there is renamed aside first, to be put back
    // if the DIZ cannot follow.
    platform::FileStatus PlaceNfo(const std::string& temporary, const std::string& target) {
        if (platform::FileExists(target)) {
            std::string aside;
            platform::FileStatus status = platform::WriteTemporaryBeside(target, "", aside);
            if (!status.Ok()) return status;
            temporaries_.push_back(aside);
            status = platform::RenameFile(target, aside, true);
            if (!status.Ok()) return status;
            temporaries_.pop_back();
            keptNfo_ = aside;
        }
        platform::FileStatus status = platform::RenameFile(temporary, target, false);
        if (!status.Ok()) {
            if (!keptNfo_.empty()) platform::RenameFile(keptNfo_, target, true);
            keptNfo_.clear();
            return status;
        }
        Forget(temporary);
        placedNfo_ = target;
        return {};
    }

    platform::FileStatus PlaceDiz(const std::string& temporary, const std::string& target) {
        platform::FileStatus status = platform::RenameFile(temporary, target, true);
        if (status.Ok()) Forget(temporary);
        return status;
    }

    // Everything is in place: the earlier NFO is no longer needed.
    void Commit() {
        committed_ = true;
        if (!keptNfo_.empty()) platform::DeleteOneFile(keptNfo_);
    }

  private:
    void Forget(const std::string& temporary) {
        for (auto it = temporaries_.begin(); it != temporaries_.end(); ++it) {
            if (*it == temporary) {
                temporaries_.erase(it);
                return;
            }
        }
    }

    std::vector<std::string> createdFolders_;
    std::vector<std::string> temporaries_;
    std::string placedNfo_;
    std::string keptNfo_;
    bool committed_ = false;
};

// A file that a rename cannot replace: refused before anything is written.
platform::FileStatus Replaceable(const std::string& path) {
    if (platform::DirectoryExists(path)) return {platform::FileError::IsAFolder, 0};
    if (platform::FileExists(path) && !platform::IsRegularFile(path)) {
        return {platform::FileError::AccessDenied, 0};
    }
    return {};
}

}  // namespace

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
            result.failure = platform::PathFromAnsi(NameRefusalText(which, name, verdict, codePage)) +
                             "\r\n" + kNothingSaved;
            return result;
        }
    }
    const bool writeDiz = input.dizTemplateChosen && !input.dizText.empty();
    const std::string root = OutputRoot(input.startFolder);
    const std::string folder = ReleaseFolder(input.startFolder, platform::PathFromAnsi(input.name));
    const std::string nfoPath = NfoFilePath(folder, platform::PathFromAnsi(input.teamName));
    const std::string dizPath = DizFilePath(folder);
    auto fail = [&result](std::string_view action, const std::string& path,
                          const platform::FileStatus& status) {
        result.failure = platform::FailureText(action, path, status, kNothingSaved);
        return result;
    };

    SaveSteps steps;
    if (platform::FileStatus status = steps.EnsureFolder(root); !status.Ok()) {
        return fail("Cannot create the folder", root, status);
    }
    if (platform::FileStatus status = steps.EnsureFolder(folder); !status.Ok()) {
        return fail("Cannot create the folder", folder, status);
    }
    platform::RemoveStaleTemporaries(folder);

    for (const std::string* target : {&nfoPath, writeDiz ? &dizPath : nullptr}) {
        if (!target) continue;
        if (platform::FileStatus status = Replaceable(*target); !status.Ok()) {
            return fail("Cannot replace the file", *target, status);
        }
        if (platform::IsReadOnlyFile(*target)) {
            return fail("Cannot replace the file", *target, {platform::FileError::ReadOnly, 0});
        }
    }

    std::string nfoTemporary;
    std::string dizTemporary;
    if (platform::FileStatus status = steps.WriteTemporary(nfoPath, input.nfoText, nfoTemporary);
        !status.Ok()) {
        return fail("Cannot write a file in the folder", folder, status);
    }
    if (writeDiz) {
        if (platform::FileStatus status = steps.WriteTemporary(dizPath, input.dizText, dizTemporary);
            !status.Ok()) {
            return fail("Cannot write a file in the folder", folder, status);
        }
    }
    if (platform::FileStatus status = steps.PlaceNfo(nfoTemporary, nfoPath); !status.Ok()) {
        return fail("Cannot put the file in place", nfoPath, status);
    }
    if (writeDiz) {
        if (platform::FileStatus status = steps.PlaceDiz(dizTemporary, dizPath); !status.Ok()) {
            return fail("Cannot put the file in place", dizPath, status);
        }
    }
    steps.Commit();
    result.nfoWritten = true;
    result.dizWritten = writeDiz;
    return result;
}

}  // namespace glyphwright
