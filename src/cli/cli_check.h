#pragma once
// "check": what a template leaves to chance, and with a project what will go wrong.

#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "cli/project_values.h"

namespace glyphwright::cli {

enum class TemplateKind { Nfo, Diz };

struct CheckedTemplate {
    std::string path;
    TemplateKind kind;
    std::string bytes;
};

struct CheckRequest {
    std::vector<CheckedTemplate> templates;
    const MemoryProjectForm* project = nullptr;  // none: the templates alone
    std::string projectPath;
    std::size_t wrap = 0;
};

enum class Severity { Note, Problem };

struct Finding {
    std::string file;
    std::size_t line = 0;    // 1-based; 0 for the file as a whole
    std::size_t column = 0;  // 1-based; 0 for the line as a whole
    Severity severity = Severity::Problem;
    std::string code;         // a short stable name ("room", "not-placed", ...)
    std::string message;      // UTF-8
    std::size_t omitted = 0;  // in a summary: how many findings of this kind were not listed
};

// At most this many findings of one kind (code) are listed for one file; the rest are counted
// and summed up in one more finding of that kind. A generated template of millions of lines
// would otherwise give a report many times its own size.
inline constexpr std::size_t kFindingsPerKind = 1000;

// Findings as they are found, kept up to kFindingsPerKind per file and kind.
class FindingList {
  public:
    void push_back(Finding finding);
    std::vector<Finding>::const_iterator begin() const { return kept_.begin(); }
    std::vector<Finding>::const_iterator end() const { return kept_.end(); }
    // The findings kept, then for each kind that had more, one finding that says how many.
    std::vector<Finding> Take();

  private:
    struct Omitted {
        std::size_t count = 0;
        Severity severity = Severity::Note;
    };
    std::vector<Finding> kept_;
    std::map<std::pair<std::string, std::string>, std::size_t> listed_;  // (file, code)
    std::map<std::pair<std::string, std::string>, Omitted> omitted_;
};

// The limits of a File_ID.diz that listings show whole.
inline constexpr std::size_t kDizColumns = 45;
inline constexpr std::size_t kDizLines = 10;

std::vector<Finding> CheckTemplates(const CheckRequest& request);

// Line and column counting as the renderer splits lines: CR ends a line, CR LF is one break.
std::vector<Finding> CheckBytes(const std::string& file, const std::string& bytes, bool isTemplate);

bool HasProblems(const std::vector<Finding>& findings);

// "file:line:column: problem: message", one finding a line.
std::string FindingsText(const std::vector<Finding>& findings);
std::string FindingsJson(const std::vector<Finding>& findings);

}  // namespace glyphwright::cli
