#include "cli/project_values.h"

#include "cli/cli_io.h"
#include "cli/cp437_unicode.h"
#include "model/project_file.h"
#include "platform/locale.h"

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

// A date the window's reading (the form's picture and the time) leaves unread may still be
// an ISO day, as scripts write it.
void ReadDate(const ProjectText& text, const std::string& file, MemoryProjectForm& form,
              const std::string& picture, std::vector<Finding>& warnings) {
    const std::optional<std::string> stored = text.Stored(DateRow());
    if (!stored) return;
    const platform::DateNames names = platform::UserDateNames();
    if (ParseDateText(*stored, picture, names)) return;  // read as the window reads it
    if (const std::optional<DateTimeValue> iso = ParseDateText(*stored, "yyyy-MM-dd", names)) {
        form.SetDate(*iso);
        return;
    }
    warnings.push_back(Warn(file, 0, "project-date",
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
        warnings.push_back(Warn(file, 0, "project-utf8",
                                "read as UTF-8, not byte for byte as the window reads projects: its " +
                                    std::to_string(converted.beyondAscii) + " character(s) beyond ASCII are "
                                    "converted to " + AnsiCodePageName() +
                                    " (--project-encoding ansi reads every byte as the window does)"));
    }
    for (const AnsiConversion::Lost& lost : converted.lost) {
        warnings.push_back(Warn(file, lost.line, "project-utf8",
                                lost.character == kReplacementCharacter
                                    ? std::string("bytes that are not UTF-8; each becomes '?'")
                                    : DescribeCharacter(lost.character) + " is not in " + AnsiCodePageName() +
                                          "; it becomes '?'"));
    }
    return std::move(converted.bytes);
}

}  // namespace

bool OpenProjectBytes(std::string_view bytes, const std::string& file, const ProjectReading& how,
                      MemoryProjectForm& form, std::vector<Finding>& warnings) {
    std::vector<Finding> found;
    const ProjectText text(InAnsi(bytes, file, how.encoding, found));
    if (!text.HoldsAnyRow()) return false;
    warnings.insert(warnings.end(), found.begin(), found.end());
    // The window reads the date with the short date picture and the time after it; a date
    // saved without its time reads too.
    const std::string picture = form.DatePicture() + " " + platform::UserTimeFormat();
    OpenProjectValues(form, text, picture, platform::UserDateNames());
    if (how.dateFromProject) ReadDate(text, file, form, picture, warnings);
    form.DeriveFileName();
    return true;
}

bool OpenProjectBytes(std::string_view bytes, MemoryProjectForm& form) {
    std::vector<Finding> ignored;
    return OpenProjectBytes(bytes, std::string(), ProjectReading{}, form, ignored);
}

bool OpenProject(const std::string& path, const ProjectReading& how, MemoryProjectForm& form,
                 std::vector<Finding>& warnings, std::string& error) {
    std::string bytes;
    if (!ReadInput(path, kMaxProjectBytes, bytes, error)) return false;
    if (!OpenProjectBytes(bytes, path, how, form, warnings)) {
        error = ShownPath(path) +
                ": not a project file (none of its sections and keys, such as [APPLICATION] Name=, "
                "is there)";
        return false;
    }
    return true;
}

bool OpenProject(const std::string& path, MemoryProjectForm& form, std::string& error) {
    std::vector<Finding> ignored;
    return OpenProject(path, ProjectReading{}, form, ignored, error);
}

}  // namespace glyphwright::cli
