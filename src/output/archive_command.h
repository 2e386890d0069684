#pragma once
// "Create Release": packing the release folder with the selected archivers. The names and
// command lines are built here, pure; the archivers are outside programs started and waited
// for through platform/process.h.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/archiver_table.h"

namespace glyphwright {

// File Name {Q} + Spacer + Release type {L} + Delimiter + Team, in this order.
std::string ComposeArchiveName(std::string_view fileName, std::string_view spacer,
                               std::string_view releaseType, std::string_view delimiter,
                               std::string_view team);

// ".zip" when the options hold the archiver's zip switch (case-sensitive), otherwise its own
// extension.
std::string ArchiveExtension(Archiver archiver, std::string_view options);

// The options, then the archive and the source pattern each in double quotes:
//   <options> "<archive>" "<source>"
// Nothing when the archive or the source holds a double quote: such a text would end its
// quoted argument early and hand the archiver arguments nobody wrote.
std::optional<std::string> ComposeArchiverParameters(std::string_view options,
                                                     std::string_view archive,
                                                     std::string_view source);

// The program path (quoted when it holds a blank and is not quoted already), a blank when
// both parts are present, and the parameters.
std::string ComposeCommandLine(std::string_view programPath, std::string_view parameters);

// Starts the program with the parameters and waits for it to end. False when it could not
// be started.
bool StartAndWait(std::string_view programPath, std::string_view parameters);

struct ChosenArchiver {
    std::string options;
    bool selected = false;
    std::string path;  // from the archiver detection
};

struct CreateReleaseInput {
    std::string startFolder;
    std::string name;         // Name {A}
    std::string fileName;     // File Name {Q}, as it stands
    std::string releaseType;  // Release type {L}
    std::string delimiter;
    std::string team;         // the Package group's Team
    std::string spacer;
    PerArchiver<ChosenArchiver> archivers;
};

// Either the "nothing to pack" message, the refusal of a name, or the archiver command lines
// in the order they run (the table's run order).
struct CreateReleasePlan {
    bool showNothingToPackMessage = false;
    bool refused = false;     // a name broke the file name rule: nothing is started
    std::string refusalText;  // which name and why, for the message box (UTF-8)
    std::vector<std::string> commandLines;  // UTF-8, whatever code page the form's text is in
    std::vector<std::string> programs;      // the program each command line starts
};

// Plans the command. Name {A} and, for each selected archiver, the archive's whole file name
// (archive name and extension) must pass JudgeFileName, or the plan is refused before the
// folder is looked at. The whole name is judged, not its pieces: the Spacer's "." ends in a
// dot but ends no name, while "CON" as File Name with the other pieces empty makes "CON.rar".
// `releaseFolderHasNfo` answers whether the folder exists and holds an entry matching "*.nfo".
CreateReleasePlan PlanCreateRelease(const CreateReleaseInput& input, bool releaseFolderHasNfo);

// The same, asking the file system about the release folder.
CreateReleasePlan PlanCreateRelease(const CreateReleaseInput& input);

// Starts each command line in turn and waits for it. An archiver that cannot be started ends
// the run: the message naming it and the reason comes back; empty when every one ran.
std::string RunArchivers(const CreateReleasePlan& plan);

// The message box shown, owned by the main window, with MB_OK | MB_ICONQUESTION.
inline constexpr char kNothingToPackTitle[] = "iNFO";
inline constexpr char kNothingToPackText[] = "Please!\r\nFirst, create and save NFO/DIZ files.";

}  // namespace glyphwright
