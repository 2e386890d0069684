#pragma once
// What the companion has to say about its inputs, one finding at a time: check lists them on
// standard output, render and normalize write them to standard error as warnings.

#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace glyphwright::cli {

// A note informs; a warning names something the output will not show as the input meant it
// (exit 0 unless --strict); a problem moves borders or loses text (check exits 1).
enum class Severity { Note, Warning, Problem };

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

bool HasProblems(const std::vector<Finding>& findings);
bool HasWarnings(const std::vector<Finding>& findings);

const char* SeverityName(Severity severity);

// "file:line:column: problem: message [code]", one finding a line.
std::string FindingsText(const std::vector<Finding>& findings);

}  // namespace glyphwright::cli
