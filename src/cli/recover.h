#pragma once
// "recover": the inverse of render. From a template and a file made from it, the values that
// filled it, as a project that renders the file again byte for byte. Release groups keep their
// old NFOs, not the projects they were made from.

#include <cstddef>
#include <string>
#include <vector>

#include "cli/findings.h"
#include "cli/project_values.h"

namespace glyphwright::cli {

// One template and the file said to be made from it.
struct RecoverPair {
    std::string templatePath, filledPath;
    std::string templateBytes, filledBytes;
};

struct RecoverRequest {
    bool hasNfo = false, hasDiz = false;
    RecoverPair nfo, diz;
    std::size_t wrap = 69;    // as render --wrap
    std::string datePicture;  // the picture {N} was written with
};

struct Recovered {
    MemoryProjectForm form;
    // Notes on what could not be told apart (and was chosen), warnings on values that cannot
    // be seen at all, problems where the project does not give the file back: lines edited by
    // hand, a hand-edited {Q}, a byte with no counterpart in the system code page.
    std::vector<Finding> findings;
    bool reproduces = false;  // rendering the project gives every filled file byte for byte
};

Recovered RecoverProject(const RecoverRequest& request);

// The project file of the form as "Save Project" writes one: every row of the format in its
// order, the date with the form's picture.
std::string ProjectFileText(MemoryProjectForm& form);

}  // namespace glyphwright::cli
