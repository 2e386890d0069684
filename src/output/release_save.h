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
    bool nfoWritten = false;
    bool dizWritten = false;
    std::string failure;   // what the user is told (UTF-8); empty when the save is whole
};

// Refuses a Name or Team Name that JudgeFileName rejects, saying which and why. Otherwise creates
// the output root and the release folder (one level) when missing, removes temporary files an
// interrupted save left there, and saves the NFO text, and the DIZ text when a DIZ template is
// chosen and the text is not empty, both or neither: both are written to temporaries beside
// their targets and put in place only when both are whole. After a failure every earlier file
// is as it was and a folder this save made is gone again if it is empty.
// The names are the form's text (system code page), the start folder a path (UTF-8).
ReleaseSaveResult SaveRelease(const ReleaseSaveInput& input);

}  // namespace glyphwright
