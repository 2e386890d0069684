#pragma once
// "Save NFO && DIZ": the two previews into the release folder beside the executable.

#include <string>

namespace glyphwright {

struct ReleaseSaveInput {
    std::string startFolder;
    std::string name;      // Name {A}
    std::string teamName;  // Team Name {F}
    std::string nfoText;   // the NFO preview's whole text
    std::string dizText;   // the DIZ preview's whole text
    bool dizTemplateChosen = false;  // the DIZ box's current entry is a template, not the empty one
};

struct ReleaseSaveResult {
    bool refused = false;  // a name broke the file name rule: nothing was written
    std::string message;   // what the user is told, when there is something to tell
    bool nfoWritten = false;
    bool dizWritten = false;
};

// Refuses a Name or Team Name that JudgeFileName rejects, saying which and why. Otherwise creates
// the output root and the release folder (one level) when missing, removes temporary files an
// interrupted save left there, writes the NFO text, and writes the DIZ text when a DIZ
// template is chosen and the text is not empty. Each file is replaced whole or not at all.
ReleaseSaveResult SaveRelease(const ReleaseSaveInput& input);

}  // namespace glyphwright
