#include "cli/project_values.h"

#include <algorithm>
#include <map>

#include "cli/cli_io.h"
#include "cli/cp437_unicode.h"
#include "cli/nearest_name.h"
#include "model/project_file.h"
#include "platform/locale.h"
#include "platform/profile_text.h"

namespace glyphwright::cli {
namespace {

Finding Warn(const std::string& file, std::size_t line, const char* code, std::string message) {
    return Finding{file, line, 0, Severity::Warning, code, std::move(message)};
}

const ProjectRow& DateRow() {
    for (const ProjectRow& row : ProjectRows()) {
        if (row.kind == ProjectValueKind::Date) return row;
    }
    return ProjectRows().front();  // the table always has one
}

std::string Lowered(std::string_view name) {
    std::string lowered(name);
    for (char& c : lowered) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lowered;
}

// "did you mean Tested=?", or the known names when none is near: the fix, not only the
// symptom.
std::string Suggestion(std::string_view name, const std::vector<std::string>& known,
                       const char* what, const char* open, const char* close) {
    const std::string nearest = NearestName(name, known);
    if (!nearest.empty()) return std::string("did you mean ") + open + nearest + close + "?";
    std::string list;
    for (const std::string& candidate : known) list += (list.empty() ? "" : ", ") + candidate;
    return std::string(what) + list;
}

// Sections and keys the format does not know are never asked for, so the window opens such a
// project without a word and leaves those fields as they were: each is named here, with the
// known spelling nearest to it. So are a section or key given twice (only the first is read)
// and an entry without '='.
void CheckKnownKeys(const std::vector<platform::ProfileText::Listed>& listing,
                    const std::string& file, std::vector<Finding>& warnings) {
    std::vector<std::string> sections;
    std::map<std::string, std::vector<std::string>> keys;  // by lowered section name
    for (const ProjectRow& row : ProjectRows()) {
        std::vector<std::string>& ofSection = keys[Lowered(row.section)];
        if (ofSection.empty()) sections.push_back(row.section);
        ofSection.push_back(row.key);
    }
    std::map<std::string, std::size_t> sectionLines;  // lowered name: the line that is read
    std::map<std::string, std::size_t> keyLines;      // lowered "section\nkey"
    bool sectionRead = false;
    for (const platform::ProfileText::Listed& entry : listing) {
        const std::string section = Lowered(entry.section);
        if (entry.key.empty() && entry.line == entry.sectionLine) {  // a header
            const auto known = keys.find(section);
            const auto [first, isFirst] = sectionLines.emplace(section, entry.line);
            sectionRead = known != keys.end() && isFirst;
            if (known == keys.end()) {
                warnings.push_back(Warn(
                    file, entry.line, "project-key",
                    "[" + entry.section +
                        "] is not a section of a project; its keys are not read (" +
                        Suggestion(entry.section, sections, "the sections are ", "[", "]") + ")"));
            } else if (!isFirst) {
                warnings.push_back(Warn(
                    file, entry.line, "project-key",
                    "[" + entry.section + "] stands a second time (first on line " +
                        std::to_string(first->second) + "); the keys under this one are not read"));
            }
            continue;
        }
        if (entry.key.empty() || entry.key[0] == ';' || entry.key[0] == '#') continue;  // comments
        if (entry.sectionLine == 0) {
            warnings.push_back(Warn(file, entry.line, "project-key",
                                    entry.key + " stands before any section; it is not read"));
            continue;
        }
        if (!sectionRead) continue;  // the section's own warning covers its keys
        const std::vector<std::string>& known = keys[section];
        const bool isKnown = std::any_of(known.begin(), known.end(), [&](const std::string& k) {
            return Lowered(k) == Lowered(entry.key);
        });
        if (!isKnown) {
            warnings.push_back(
                Warn(file, entry.line, "project-key",
                     entry.key + "= is not a key of [" + entry.section + "]; it is not read (" +
                         Suggestion(entry.key, known, "the keys there are ", "", "=") + ")"));
        } else if (!entry.hasValue) {
            warnings.push_back(
                Warn(file, entry.line, "project-key", entry.key + " has no '='; it is not read"));
        } else if (const auto [first, isFirst] =
                       keyLines.emplace(section + "\n" + Lowered(entry.key), entry.line);
                   !isFirst) {
            warnings.push_back(Warn(file, entry.line, "project-key",
                                    entry.key + "= stands a second time in [" + entry.section +
                                        "] (first on line " + std::to_string(first->second) +
                                        "); this one is not read"));
        }
    }
}

// A date the window's reading (the form's picture and the time) leaves unread may still be
// an ISO day, as scripts write it.
void ReadDate(const ProjectText& text, const std::vector<platform::ProfileText::Listed>& listing,
              const std::string& file, MemoryProjectForm& form, const std::string& picture,
              std::vector<Finding>& warnings) {
    const std::optional<std::string> stored = text.Stored(DateRow());
    if (!stored) return;
    const platform::DateNames names = platform::UserDateNames();
    if (ParseDateText(*stored, picture, names)) return;  // read as the window reads it
    if (const std::optional<DateTimeValue> iso = ParseDateText(*stored, "yyyy-MM-dd", names)) {
        form.SetDate(*iso);
        return;
    }
    const ProjectRow& row = DateRow();
    const auto where = std::find_if(listing.begin(), listing.end(),
                                    [&](const platform::ProfileText::Listed& entry) {
                                        return Lowered(entry.section) == Lowered(row.section) &&
                                               Lowered(entry.key) == Lowered(row.key);
                                    });
    warnings.push_back(
        Warn(file, where == listing.end() ? 0 : where->line, "project-date",
             "[RELEASE] Date=" + *stored + " does not read with the picture " + form.DatePicture() +
                 " or as yyyy-MM-dd; {N} is today's date (--date-format sets the picture, "
                 "--date the day)"));
}

// Returns the project's text in the ANSI code page, converted when it is UTF-8.
std::string InAnsi(std::string_view bytes, const std::string& file, ProjectEncoding encoding,
                   std::vector<Finding>& warnings) {
    if (!ReadsProjectAsUtf8(bytes, encoding)) return std::string(bytes);
    AnsiConversion converted = Utf8ToAnsi(bytes);
    if (converted.beyondAscii > 0 || bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        warnings.push_back(
            Warn(file, 0, "project-utf8",
                 "read as UTF-8, not byte for byte as the window reads projects: its " +
                     std::to_string(converted.beyondAscii) +
                     " character(s) beyond ASCII are converted to " + AnsiCodePageName() +
                     " (--project-encoding ansi reads every byte as the window does)"));
    }
    for (const AnsiConversion::Lost& lost : converted.lost) {
        warnings.push_back(Warn(file, lost.line, "project-utf8",
                                lost.character == kReplacementCharacter
                                    ? std::string("bytes that are not UTF-8; each becomes '?'")
                                    : DescribeCharacter(lost.character) + " is not in " +
                                          AnsiCodePageName() + "; it becomes '?'"));
    }
    return std::move(converted.bytes);
}

}  // namespace

bool ReadProjectBytes(std::string_view bytes, const std::string& file, const ProjectReading& how,
                      MemoryProjectForm& form, std::vector<Finding>& warnings) {
    std::vector<Finding> found;
    const std::string ansi = InAnsi(bytes, file, how.encoding, found);
    const ProjectText text(ansi);
    if (!text.HoldsAnyRow()) return false;
    const std::vector<platform::ProfileText::Listed> listing = platform::ProfileText(ansi).List();
    CheckKnownKeys(listing, file, found);
    warnings.insert(warnings.end(), found.begin(), found.end());
    // The window reads the date with the short date picture and the time after it; a date
    // saved without its time reads too.
    const std::string picture = form.DatePicture() + " " + platform::UserTimeFormat();
    OpenProjectValues(form, text, picture, platform::UserDateNames());
    if (how.dateFromProject) ReadDate(text, listing, file, form, picture, warnings);
    form.UpdateFileName();
    return true;
}

bool ReadProjectBytes(std::string_view bytes, MemoryProjectForm& form) {
    std::vector<Finding> ignored;
    return ReadProjectBytes(bytes, std::string(), ProjectReading{}, form, ignored);
}

bool ReadProjectFile(const std::string& path, const ProjectReading& how, MemoryProjectForm& form,
                     std::vector<Finding>& warnings, std::string& error) {
    std::string bytes;
    if (!ReadInput(path, kMaxProjectBytes, bytes, error)) return false;
    if (!ReadProjectBytes(bytes, path, how, form, warnings)) {
        error = ShownPath(path) +
                ": not a project file (none of its sections and keys, such as [APPLICATION] Name=, "
                "is there)";
        return false;
    }
    return true;
}

bool ReadProjectFile(const std::string& path, MemoryProjectForm& form, std::string& error) {
    std::vector<Finding> ignored;
    return ReadProjectFile(path, ProjectReading{}, form, ignored, error);
}

}  // namespace glyphwright::cli
