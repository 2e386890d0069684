#pragma once
// "check": what a template leaves to chance, and with a project what will go wrong.

#include <cstddef>
#include <string>
#include <vector>

#include "cli/cli_render.h"
#include "cli/findings.h"
#include "cli/project_values.h"

namespace glyphwright::cli {

struct CheckedTemplate {
    std::string path;
    TemplateKind kind;
    std::string bytes;
};

struct CheckRequest {
    std::vector<CheckedTemplate> templates;
    const MemoryProjectForm* project = nullptr;  // none: the templates alone
    std::string projectPath;
    std::vector<Finding> projectWarnings;  // what reading the project found
    std::size_t wrap = 0;
};

// The limits of a File_ID.diz that listings show whole.
inline constexpr std::size_t kDizColumns = 45;
inline constexpr std::size_t kDizLines = 10;

std::vector<Finding> CheckTemplates(const CheckRequest& request);

// Line and column counting as the renderer splits lines: CR ends a line, CR LF is one break.
std::vector<Finding> CheckBytes(const std::string& file, const std::string& bytes, bool isTemplate);

std::string FindingsJson(const std::vector<Finding>& findings);

}  // namespace glyphwright::cli
