#pragma once
// A project file read into the in-memory form as "Open Project" reads it into the window.

#include <string>

#include "model/memory_project_form.h"

namespace glyphwright::cli {

using glyphwright::MemoryProjectForm;

// The path the platform's profile functions read: they look a bare file name up in the system
// folder, so a name without a folder is taken in the current one.
std::string ProfilePath(const std::string& path);

// Opens the project into the form as "Open Project" does, then derives {Q}. False with a
// message naming the file when it cannot be read or holds none of a project's keys (any file
// can be given; one without a single known key is not a project).
bool OpenProject(const std::string& path, MemoryProjectForm& form, std::string& error);

}  // namespace glyphwright::cli
