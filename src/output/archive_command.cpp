#include "output/archive_command.h"

#include "output/archiver_detection.h"
#include "output/file_name_rule.h"
#include "output/release_paths.h"
#include "platform/codepage.h"
#include "platform/failure_text.h"
#include "platform/files.h"
#include "platform/path_text.h"
#include "platform/process.h"

namespace glyphwright {
std::string ComposeArchiveName(std::string_view fileName, std::string_view spacer,
                               std::string_view releaseType, std::string_view delimiter,
                               std::string_view team) {
    std::string name(fileName);
    name.append(spacer);
    name.append(releaseType);
    name.append(delimiter);
    name.append(team);
    return name;
}

std::string ArchiveExtension(Archiver archiver, std::string_view options) {
    const ArchiverRow& row = ArchiverOf(archiver);
    return options.find(row.zipSwitch) != std::string_view::npos ? ".zip" : row.extension;
}

std::optional<std::string> ComposeArchiverParameters(std::string_view options,
                                                     std::string_view archive,
                                                     std::string_view source) {
    if (archive.find('"') != std::string_view::npos || source.find('"') != std::string_view::npos) {
        return std::nullopt;
    }
    std::string parameters(options);
    parameters += " \"";
    parameters.append(archive);
    parameters += "\" \"";
    parameters.append(source);
    parameters += '"';
    return parameters;
}

std::string ComposeCommandLine(std::string_view programPath, std::string_view parameters) {
    std::string line;
    if (!programPath.empty() && programPath.front() != '"' && programPath.find(' ') != std::string_view::npos) {
        line += '"';
        line.append(programPath);
        line += '"';
    } else {
        line.append(programPath);
    }
    if (!programPath.empty() && !parameters.empty()) line += ' ';
    line.append(parameters);
    return line;
}

bool StartAndWait(std::string_view programPath, std::string_view parameters) {
    return platform::StartProcessAndWait(ComposeCommandLine(programPath, parameters)) == 0;
}

namespace {

// The plan refused for the first name that breaks the rule, or an empty plan.
CreateReleasePlan RefuseNames(const CreateReleaseInput& input) {
    CreateReleasePlan plan;
    const unsigned codePage = platform::AnsiCodePage();
    auto refuse = [&](const char* which, const std::string& name) {
        const NameVerdict verdict = JudgeFileName(name, codePage);
        if (verdict.Ok()) return false;
        plan.refused = true;
        plan.refusalText = platform::PathFromAnsi(NameRefusalText(which, name, verdict, codePage)) +
                           "\r\nNothing was packed.";
        return true;
    };
    if (refuse("Name", input.name)) return plan;
    const std::string archiveName = ComposeArchiveName(
        input.fileName, input.spacer, input.releaseType, input.delimiter, input.team);
    for (const Archiver archiver : kArchiverRunOrder) {
        const ChosenArchiver& chosen = input.archivers[archiver];
        if (chosen.selected &&
            refuse("archive name", archiveName + ArchiveExtension(archiver, chosen.options))) {
            return plan;
        }
    }
    return plan;
}

}  // namespace

CreateReleasePlan PlanCreateRelease(const CreateReleaseInput& input, bool releaseFolderHasNfo) {
    CreateReleasePlan plan = RefuseNames(input);
    if (plan.refused) return plan;
    if (!releaseFolderHasNfo) {
        plan.showNothingToPackMessage = true;
        return plan;
    }
    const std::string folder = ReleaseFolder(input.startFolder, input.name);
    std::string source = folder;
    source += platform::kPathSeparator;
    source += '*';
    std::string archiveBase = folder;
    archiveBase += platform::kPathSeparator;
    archiveBase += ComposeArchiveName(input.fileName, input.spacer, input.releaseType, input.delimiter,
                                      input.team);
    if (archiveBase.find('"') != std::string::npos) return plan;  // nothing could be quoted

    // The form's texts are in the system code page, the start folder and the archivers' paths
    // UTF-8: the command line is put together in UTF-8.
    const std::string pathSource = platform::PathFromAnsi(source.substr(input.startFolder.size()));
    const std::string pathBase = platform::PathFromAnsi(archiveBase.substr(input.startFolder.size()));
    for (const Archiver archiver : kArchiverRunOrder) {
        const ChosenArchiver& chosen = input.archivers[archiver];
        if (!chosen.selected) continue;
        const std::optional<std::string> parameters = ComposeArchiverParameters(
            platform::PathFromAnsi(chosen.options),
            input.startFolder + pathBase + ArchiveExtension(archiver, chosen.options),
            input.startFolder + pathSource);
        if (parameters) {
            const std::string program = ArchiverFolder(chosen.path) + ArchiverOf(archiver).program;
            plan.commandLines.push_back(ComposeCommandLine(program, *parameters));
            plan.programs.push_back(program);
        }
    }
    return plan;
}

CreateReleasePlan PlanCreateRelease(const CreateReleaseInput& input) {
    CreateReleasePlan refused = RefuseNames(input);
    if (refused.refused) return refused;
    const std::string folder = ReleaseFolder(input.startFolder, platform::PathFromAnsi(input.name));
    const bool hasNfo = platform::DirectoryExists(folder) && platform::FolderHasMatch(folder, "*.nfo");
    return PlanCreateRelease(input, hasNfo);
}

std::string RunArchivers(const CreateReleasePlan& plan) {
    for (std::size_t i = 0; i < plan.commandLines.size(); ++i) {
        if (const int code = platform::StartProcessAndWait(plan.commandLines[i])) {
            return platform::FailureText("Cannot start the archiver", plan.programs[i],
                               {platform::FileError::Other, code},
                               i == 0 ? "Nothing was packed." : "Only the archiver before it ran.");
        }
    }
    return std::string();
}

}  // namespace glyphwright
