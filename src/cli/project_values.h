#pragma once
// A project file read into the in-memory form as "Open Project" reads it into the window, with
// what the window passes over in silence said as warnings.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "cli/findings.h"
#include "cli/project_encoding.h"
#include "model/memory_project_form.h"

namespace glyphwright::cli {

using glyphwright::MemoryProjectForm;

// A project holds a few kilobytes; even pages of text in its blocks stay far below this.
inline constexpr std::size_t kMaxProjectBytes = std::size_t(16) << 20;

// How the companion reads a project beyond the window's rules.
struct ProjectReading {
    // UTF-8 text is converted to the ANSI code page before the window's rules read it; what was
    // converted, and what the code page lacks, are warnings.
    ProjectEncoding encoding = ProjectEncoding::Auto;
    // False when --date sets the day: the stored date is then not the one written.
    bool dateFromProject = true;
};

// Reads the project into the form as "Open Project" does, then derives {Q}. The file is read
// once, whole, up to kMaxProjectBytes. False with a message naming the file when it cannot be
// read or holds none of a project's keys (any file can be given; one without a single known key
// is not a project). The release date is read with the form's date picture (the one {N} is
// written with, and the time after it as the window reads it), then as yyyy-MM-dd; a date that
// reads neither way keeps the form's date, today, with a warning.
bool ReadProjectFile(const std::string& path, const ProjectReading& how, MemoryProjectForm& form,
                     std::vector<Finding>& warnings, std::string& error);
bool ReadProjectFile(const std::string& path, MemoryProjectForm& form, std::string& error);

// The same on the file's bytes; false when they hold none of a project's keys. `file` names
// the project in the warnings.
bool ReadProjectBytes(std::string_view bytes, const std::string& file, const ProjectReading& how,
                      MemoryProjectForm& form, std::vector<Finding>& warnings);
bool ReadProjectBytes(std::string_view bytes, MemoryProjectForm& form);

}  // namespace glyphwright::cli
