#include "model/project_file.h"

#include <iterator>
#include <optional>

#include "model/archiver_table.h"
#include "model/line_breaks.h"
#include "platform/failure_text.h"
#include "platform/files.h"
#include "platform/system_error_text.h"
#include "platform/ini_profile.h"
#include "platform/locale.h"

namespace glyphwright {
namespace {

constexpr char kLineBreakToken[] = "{#}";

// The characters the platform's reading drops at either end of a value.
bool IsTrimmedByReader(char c) {
    switch (c) {
        case ' ': case '\t': case '\v': case '\f': case '\x1a': case '\r': case '\n':
            return true;
        default:
            return false;
    }
}

bool NeedsQuoting(std::string_view value) {
    if (value.empty()) return false;
    if (IsTrimmedByReader(value.front()) || IsTrimmedByReader(value.back())) return true;
    // A value the reader would take for quoted: one beginning and ending with the same quote.
    return value.size() > 1 && (value.front() == '"' || value.front() == '\'') &&
           value.back() == value.front();
}

std::string WithoutLineBreaks(std::string_view value, std::string_view replacement) {
    std::string result;
    result.reserve(value.size());
    for (const char c : value) {
        if (c == '\r' || c == '\n') {
            result.append(replacement);
        } else {
            result += c;
        }
    }
    return result;
}

const char* ButtonText(bool selected) { return selected ? "1" : "0"; }

}  // namespace

const std::vector<ProjectRow>& ProjectRows() {
    using K = ProjectValueKind;
    // The packaging options and the archivers' rows stand between the single-line fields and
    // the text blocks.
    static const ProjectRow kPackagingRows[] = {
        {kPackageGroup.section, "Delimiter", FormItem::Delimiter, K::Text},
        {kPackageGroup.section, "Team", FormItem::PackageTeam, K::Text},
        {kPackageGroup.section, "Spacer", FormItem::Spacer, K::Text},
    };
    static const std::vector<ProjectRow> rows = [] {
        std::vector<ProjectRow> made;
        auto addField = [&made](const Placeholder& field) {
            const K kind = field.kind == PlaceholderKind::Date        ? K::Date
                           : field.kind == PlaceholderKind::TextBlock ? K::TextBlock
                                                                      : K::Text;
            made.push_back({field.section, field.key, ReleaseField(field.letter), kind});
        };
        for (char letter : kLineValueLetters) addField(PlaceholderOf(letter));
        made.insert(made.end(), std::begin(kPackagingRows), std::end(kPackagingRows));
        for (const ArchiverRow& archiver : kArchivers) {
            made.push_back({"ARCHIVERS OPTION", archiver.optionsKey, ArchiverOptionsItem(archiver.archiver), K::Text});
        }
        for (const ArchiverRow& archiver : kArchivers) {
            made.push_back({"ARCHIVER", archiver.projectKey, ArchiverButtonItem(archiver.archiver), K::ArchiverButton});
        }
        for (char letter : kTextBlockLetters) addField(PlaceholderOf(letter));
        return made;
    }();
    return rows;
}

std::string EncodeProjectValue(std::string_view value, ProjectValueKind kind) {
    // The platform takes the value as a C string.
    value = value.substr(0, value.find('\0'));
    std::string stored = kind == ProjectValueKind::TextBlock
                             ? WithoutLineBreaks(ConvertLineBreaks(value, LineBreakDirection::ToTokens),
                                                 kLineBreakToken)
                             : WithoutLineBreaks(value, " ");
    if (NeedsQuoting(stored)) stored = '"' + stored + '"';
    return stored;
}

std::string DecodeProjectValue(std::string_view stored, ProjectValueKind kind) {
    if (kind == ProjectValueKind::TextBlock) return ConvertLineBreaks(stored, LineBreakDirection::FromTokens);
    return std::string(stored);
}

bool WriteProjectValue(const std::string& path, const ProjectRow& row, std::string_view value) {
    return platform::WriteProfileValue(path, row.section, row.key, EncodeProjectValue(value, row.kind));
}

namespace {

// The file itself, through the platform's profile functions, one value per call.
class ProjectFileValues : public ProjectValueSource {
public:
    explicit ProjectFileValues(const std::string& path) : path_(path) {}
    std::optional<std::string> Stored(const ProjectRow& row) const override {
        return platform::ReadProfileValue(path_, row.section, row.key);
    }
    int StoredNumber(const ProjectRow& row, int defaultValue) const override {
        return platform::ReadProfileInt(path_, row.section, row.key, defaultValue);
    }

private:
    const std::string& path_;
};

constexpr char kProjectNotSaved[] = "The project was not saved.";
// More than any project holds; a bigger file is not copied into memory to be kept.
constexpr std::size_t kMaxProjectBytes = std::size_t(64) << 20;

// Writes every row into `path`; false at the first value the file did not take.
bool WriteProjectRows(ProjectForm& form, const std::string& path) {
    for (const ProjectRow& row : ProjectRows()) {
        if (!WriteProjectValue(path, row, ProjectRowValue(form, row))) return false;
    }
    return true;
}

// The project is written into a copy of the file beside it, which takes the file's place only
// when every value is in: a save that fails half-way leaves the file as it was, and the other
// sections of an existing file come along in the copy.
std::string SaveProject(ProjectForm& form, const std::string& path) {
    using platform::FailureText;
    if (platform::IsReadOnlyFile(path)) {
        return FailureText("Cannot replace the file", path, {platform::FileError::ReadOnly, 0},
                           kProjectNotSaved);
    }
    std::string earlier;
    if (platform::FileExists(path)) {
        const platform::FileStatus status = platform::ReadFileUpTo(path, kMaxProjectBytes, earlier);
        if (!status.Ok()) return FailureText("Cannot read the file", path, status, kProjectNotSaved);
    }
    std::string copy;
    platform::FileStatus status = platform::WriteTemporaryBeside(path, earlier, copy);
    if (!status.Ok()) {
        return FailureText("Cannot write a file in the folder", platform::FolderPart(path), status,
                           kProjectNotSaved);
    }
    if (!WriteProjectRows(form, copy)) {
        platform::DeleteOneFile(copy);
        return FailureText("Cannot write the file", copy, {platform::FileError::Other, platform::LastSystemError()},
                           kProjectNotSaved);
    }
    status = platform::RenameFile(copy, path, true);
    if (!status.Ok()) {
        platform::DeleteOneFile(copy);
        return FailureText("Cannot put the file in place", path, status, kProjectNotSaved);
    }
    return std::string();
}

}  // namespace

std::string ProjectRowValue(ProjectForm& form, const ProjectRow& row) {
    switch (row.kind) {
        case ProjectValueKind::Text:
            // {A}'s change event keeps {Q} derived; the file holds the derived name.
            if (row.item == ReleaseField(kFileNameLetter)) form.UpdateFileName();
            return form.GetText(row.item);
        case ProjectValueKind::Date:
            return form.GetDateText();
        case ProjectValueKind::ArchiverButton:
            return ButtonText(form.GetButton(row.item));
        case ProjectValueKind::TextBlock:
            return form.GetText(row.item);
    }
    return std::string();
}

ProjectText::ProjectText(std::string_view fileBytes) : text_(fileBytes) {}

std::optional<std::string> ProjectText::Stored(const ProjectRow& row) const {
    if (!text_.HasValue(row.section, row.key)) return std::nullopt;
    // A buffer larger than any value: the value comes whole.
    return text_.GetString(row.section, row.key, std::string_view(), static_cast<std::size_t>(-1));
}

int ProjectText::StoredNumber(const ProjectRow& row, int defaultValue) const {
    return text_.GetInt(row.section, row.key, defaultValue);
}

bool ProjectText::HoldsAnyRow() const {
    for (const ProjectRow& row : ProjectRows()) {
        if (text_.HasValue(row.section, row.key)) return true;
    }
    return false;
}

bool HoldsProjectSection(const std::string& path) {
    std::string_view asked;
    for (const ProjectRow& row : ProjectRows()) {
        // Rows of one section stand together: each section is asked for once.
        if (asked == row.section) continue;
        asked = row.section;
        if (!platform::ReadProfileSectionLines(path, row.section).empty()) return true;
    }
    return false;
}

std::string NotAProjectMessage(std::string_view path) {
    std::string text(path);
    text += "\r\n\r\nThis file holds no project: none of the sections a project is saved in, "
            "such as [APPLICATION] or [INFO], is there. The form is left as it was.";
    return text;
}

void OpenProjectValues(ProjectForm& form, const ProjectValueSource& source,
                       std::string_view datePicture, const platform::DateNames& dateNames) {
    for (const ProjectRow& row : ProjectRows()) {
        const auto read = [&]() -> std::optional<std::string> {
            std::optional<std::string> stored = source.Stored(row);
            if (!stored) return std::nullopt;
            return DecodeProjectValue(*stored, row.kind);
        };
        switch (row.kind) {
            case ProjectValueKind::Text:
                if (std::optional<std::string> value = read()) form.SetText(row.item, *value);
                break;
            case ProjectValueKind::Date:
                // A date that does not read keeps the picker's date: it must always hold one.
                if (std::optional<std::string> value = read()) {
                    if (std::optional<DateTimeValue> date = ParseDateText(*value, datePicture, dateNames)) {
                        form.SetDate(*date);
                    }
                }
                break;
            case ProjectValueKind::ArchiverButton: {
                const bool current = form.GetButton(row.item);
                form.SetButton(row.item, source.StoredNumber(row, current ? 1 : 0) != 0);
                break;
            }
            case ProjectValueKind::TextBlock:
                form.SetText(row.item, read().value_or(std::string()));
                break;
        }
    }
}

void OpenProjectValues(ProjectForm& form, const ProjectValueSource& source) {
    const platform::DateNames names = platform::UserDateNames();
    OpenProjectValues(form, source, platform::UserDateTimeFormat(), names);
}

std::string TransferProject(ProjectForm& form, const std::string& path, ProjectDirection direction,
                            std::string_view datePicture, const platform::DateNames& dateNames) {
    if (direction == ProjectDirection::Save) return SaveProject(form, path);
    OpenProjectValues(form, ProjectFileValues(path), datePicture, dateNames);
    return std::string();
}

std::string TransferProject(ProjectForm& form, const std::string& path, ProjectDirection direction) {
    const platform::DateNames names = platform::UserDateNames();
    return TransferProject(form, path, direction, platform::UserDateTimeFormat(), names);
}

std::string ProjectsFolder(std::string_view startFolder) {
    std::string folder(startFolder);
    folder += "Projects";
    return folder;
}

std::string SaveProjectPresetName(std::string_view name, std::string_view teamName) {
    std::string preset(name);
    preset += '-';
    preset.append(teamName);
    return preset;
}

std::string EnsureProjectsFolder(std::string_view startFolder) {
    const std::string folder = ProjectsFolder(startFolder);
    if (platform::DirectoryExists(folder)) return std::string();
    const platform::FileStatus status = platform::CreateFolder(folder);
    if (status.Ok()) return std::string();
    return platform::FailureText("Cannot create the folder", folder, status,
                                 "Choose another folder for the project.");
}

}  // namespace glyphwright
