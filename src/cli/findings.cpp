#include "cli/findings.h"

#include <algorithm>

#include "cli/cp437_unicode.h"

namespace glyphwright::cli {

using std::to_string;

void FindingList::push_back(Finding finding) {
    const auto kind = std::make_pair(finding.file, finding.code);
    std::size_t& listed = listed_[kind];
    if (finding.omitted == 0 && listed < kFindingsPerKind) {
        ++listed;
        kept_.push_back(std::move(finding));
        return;
    }
    Omitted& omitted = omitted_[kind];
    omitted.count += finding.omitted == 0 ? 1 : finding.omitted;
    omitted.severity = std::max(omitted.severity, finding.severity);
}

std::vector<Finding> FindingList::Take() {
    std::vector<Finding> all = std::move(kept_);
    for (const auto& [kind, omitted] : omitted_) {
        Finding summary{kind.first,
                        0,
                        0,
                        omitted.severity,
                        kind.second,
                        to_string(omitted.count) + " more finding(s) of this kind, not listed",
                        omitted.count};
        all.push_back(std::move(summary));
    }
    kept_.clear();
    listed_.clear();
    omitted_.clear();
    return all;
}

bool HasProblems(const std::vector<Finding>& findings) {
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding& f) { return f.severity == Severity::Problem; });
}

bool HasWarnings(const std::vector<Finding>& findings) {
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding& f) { return f.severity == Severity::Warning; });
}

const char* SeverityName(Severity severity) {
    switch (severity) {
        case Severity::Note:
            return "note";
        case Severity::Warning:
            return "warning";
        default:
            return "problem";
    }
}

std::string FindingsText(const std::vector<Finding>& findings) {
    std::string out;
    for (const Finding& f : findings) {
        out += FileNameAsUtf8(f.file);
        if (f.line > 0) out += ':' + to_string(f.line);
        if (f.column > 0) out += ':' + to_string(f.column);
        out +=
            std::string(": ") + SeverityName(f.severity) + ": " + f.message + " [" + f.code + "]\n";
    }
    return out;
}

}  // namespace glyphwright::cli
