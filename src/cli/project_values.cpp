#include "cli/project_values.h"

#include <ctime>

#include "model/release_record.h"
#include "platform/files.h"
#include "platform/locale.h"
#include "platform/profile_text.h"

namespace glyphwright::cli {
namespace {

DateTimeValue Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    DateTimeValue today;
    today.year = local.tm_year + 1900;
    today.month = local.tm_mon + 1;
    today.day = local.tm_mday;
    return today;
}

int Index(FormItem item) { return static_cast<int>(item); }

}  // namespace

MemoryProjectForm::MemoryProjectForm() : date_(Today()), datePicture_(platform::UserShortDateFormat()) {
    texts_[Index(FormItem::Delimiter)] = "-";
    texts_[Index(FormItem::Spacer)] = ".";
}

std::string MemoryProjectForm::GetText(FormItem item) const { return texts_[Index(item)]; }

void MemoryProjectForm::SetText(FormItem item, const std::string& text) { texts_[Index(item)] = text; }

std::string MemoryProjectForm::GetDateText() const {
    return FormatDateText(date_, datePicture_, platform::UserDateNames());
}

void MemoryProjectForm::SetDate(const DateTimeValue& date) {
    // The picker shows the day only; the time read with it does not reach any text.
    date_ = date;
}

bool MemoryProjectForm::GetButton(FormItem button) const { return buttons_[Index(button)]; }

void MemoryProjectForm::SetButton(FormItem button, bool selected) { buttons_[Index(button)] = selected; }

void MemoryProjectForm::DeriveFileName() {
    texts_[Index(ReleaseField('Q'))] =
        glyphwright::DeriveFileName(texts_[Index(ReleaseField('A'))], texts_[Index(FormItem::Spacer)]);
}

FieldTable MemoryProjectForm::FieldValues() const {
    FieldTable values;
    for (char letter = 'A'; letter <= 'Q'; ++letter) values[letter - 'A'] = GetText(ReleaseField(letter));
    values['N' - 'A'] = GetDateText();
    values['Q' - 'A'] += GetText(FormItem::Delimiter) + GetText(FormItem::PackageTeam);
    return values;
}

std::string ProfilePath(const std::string& path) {
    if (path.find_first_of("\\/:") != std::string::npos) return path;
#ifdef _WIN32
    return ".\\" + path;
#else
    return "./" + path;
#endif
}

bool OpenProject(const std::string& path, MemoryProjectForm& form, std::string& error) {
    std::string bytes;
    if (platform::DirectoryExists(path)) {
        error = path + ": is a folder, not a project file";
        return false;
    }
    if (!platform::ReadWholeFile(path, bytes)) {
        error = path + (platform::FileExists(path) ? ": cannot be read" : ": no such file");
        return false;
    }
    const platform::ProfileText text(bytes);
    bool anyKey = false;
    for (const ProjectRow& row : ProjectRows()) anyKey = anyKey || text.HasValue(row.section, row.key);
    if (!anyKey) {
        error = path + ": not a project file (none of its sections and keys, such as [APPLICATION] Name=, is there)";
        return false;
    }
    TransferProject(form, ProfilePath(path), ProjectDirection::Open);
    form.DeriveFileName();
    return true;
}

}  // namespace glyphwright::cli
