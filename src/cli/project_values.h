#pragma once
// A project file read into the in-memory form as "Open Project" reads it into the window.

#include <cstddef>
#include <string>
#include <string_view>

#include "model/memory_project_form.h"

namespace glyphwright::cli {

using glyphwright::MemoryProjectForm;

// A project holds a few kilobytes; even pages of text in its blocks stay far below this.
inline constexpr std::size_t kMaxProjectBytes = std::size_t(16) << 20;

// Opens the project into the form as "Open Project" does, then derives {Q}. The file is read
// once, whole, up to kMaxProjectBytes. False with a message naming the file when it cannot be
// read or holds none of a project's keys (any file can be given; one without a single known key
// is not a project).
bool OpenProject(const std::string& path, MemoryProjectForm& form, std::string& error);

// The same on the file's bytes; false when they hold none of a project's keys.
bool OpenProjectBytes(std::string_view bytes, MemoryProjectForm& form);

}  // namespace glyphwright::cli
