#pragma once
// Project files ("*.gwp"): INI files that keep everything the user typed for one release. One
// table of rows, walked in the same order for saving and for opening, keeps the two
// directions in step.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/date_text.h"
#include "model/form_item.h"
#include "platform/profile_text.h"

namespace glyphwright {

enum class ProjectValueKind {
    Text,            // a field's or option's text
    Date,            // the release date as the date picker displays it
    ArchiverButton,  // "1" selected, "0" not
    TextBlock,       // a text block, its line breaks as "{#}" tokens
};

struct ProjectRow {
    const char* section;
    const char* key;
    FormItem item;
    ProjectValueKind kind;
};

// Every row in file order; the INFO rows come last.
const std::vector<ProjectRow>& ProjectRows();

// The text a row's value is stored as. The platform's reading drops blanks around a value,
// strips one pair of quotes and ends the value at a line break, so a value that would lose
// something is stored inside one extra pair of double quotes, and no line break reaches the
// file: in a text block CR LF, a lone CR and a lone LF each become the "{#}" token (so a lone
// one comes back as CR LF), in a single-line value each becomes a blank.
std::string EncodeProjectValue(std::string_view value, ProjectValueKind kind);

// The form's text for a value as the platform read it: line breaks restored in text blocks.
std::string DecodeProjectValue(std::string_view stored, ProjectValueKind kind);

bool WriteProjectValue(const std::string& path, const ProjectRow& row, std::string_view value);

// Where opening takes a project's stored values from.
class ProjectValueSource {
public:
    virtual ~ProjectValueSource() = default;
    // The stored value, whole and not yet decoded; nothing when the key is missing.
    virtual std::optional<std::string> Stored(const ProjectRow& row) const = 0;
    // The value read as a number, as the platform reads one; the default when it is missing.
    virtual int StoredNumber(const ProjectRow& row, int defaultValue) const = 0;
};

// A project file's bytes read once and held in memory, read by the platform's rules
// (platform/profile_text.h): a pipe or a FIFO is read only once, and a file is not opened again
// for each of its rows.
class ProjectText : public ProjectValueSource {
public:
    explicit ProjectText(std::string_view fileBytes);
    std::optional<std::string> Stored(const ProjectRow& row) const override;
    int StoredNumber(const ProjectRow& row, int defaultValue) const override;
    // True when the text holds at least one of a project's keys.
    bool HoldsAnyRow() const;

private:
    platform::ProfileText text_;
};

// What the project file reads from and writes to: the main window implements it.
class ProjectForm {
public:
    virtual ~ProjectForm() = default;
    // The whole text of a field, drop-down, option field or text block (CR LF between lines).
    virtual std::string GetText(FormItem item) const = 0;
    // Sets a text; a text field raises its change event as a user edit would.
    virtual void SetText(FormItem item, const std::string& text) = 0;
    // The release date exactly as the date picker displays it.
    virtual std::string GetDateText() const = 0;
    virtual void SetDate(const DateTimeValue& date) = 0;
    virtual bool GetButton(FormItem button) const = 0;
    // Checks or clears an archiver button, enabled or not, without touching the other one.
    virtual void SetButton(FormItem button, bool selected) = 0;
    // Sets File Name {Q} to what Name {A} and the Spacer derive (DeriveFileName).
    virtual void UpdateFileName() = 0;
};

enum class ProjectDirection { Save, Open };

// What a save writes for one row, before encoding: the control's text, the date as the picker
// shows it, "1" or "0" for a button; {Q} is derived again from {A} and the Spacer first.
std::string ProjectRowValue(ProjectForm& form, const ProjectRow& row);

// Moves the whole record between the form and the file, row by row. Saving writes every row
// (deriving {Q} again just before it is written) and leaves other sections and keys of an
// existing file as they were. Opening sets each field whose key is present; a missing key keeps
// the field, except that a missing text block key empties the block; a date that does not
// read with `datePicture` keeps the picker's date; the buttons are set independently.
// A save is whole or absent: the answer is the message for the user when it failed (UTF-8),
// empty otherwise. The caller runs UpdateFileName after opening.
std::string TransferProject(ProjectForm& form, const std::string& path, ProjectDirection direction,
                            std::string_view datePicture, const platform::DateNames& dateNames);

// The same with the user's date picture and names.
std::string TransferProject(ProjectForm& form, const std::string& path, ProjectDirection direction);

// True when the file holds at least one of the project's sections, as the profile functions
// read it. They cannot tell a section without entries from a missing one, so such a section
// does not count. An empty file, junk, a file the reader finds nothing in (NUL bytes in
// front of its sections) or one that cannot be read holds none.
bool HoldsProjectSection(const std::string& path);

// What "Open Project" says of a file that holds no project; the form stays as it was.
std::string NotAProjectMessage(std::string_view path);

// Opening, from values already read.
void OpenProjectValues(ProjectForm& form, const ProjectValueSource& source,
                       std::string_view datePicture, const platform::DateNames& dateNames);
void OpenProjectValues(ProjectForm& form, const ProjectValueSource& source);

// The file dialogs' settings, the same for both directions.
inline constexpr char kProjectFilter[] = "Glyphwright Project|*.gwp";
inline constexpr char kProjectDefaultExtension[] = "gwp";
inline constexpr char kProjectOpenPreset[] = "*.gwp";

// Start folder + "Projects" (no trailing separator): the dialogs' initial folder.
std::string ProjectsFolder(std::string_view startFolder);

// The save dialog's preset name: Name {A}, "-", Team Name {F}.
std::string SaveProjectPresetName(std::string_view name, std::string_view teamName);

// Creates the projects folder when it is missing (before the save dialog); the message for
// the user when it could not (UTF-8), empty otherwise.
std::string EnsureProjectsFolder(std::string_view startFolder);

}  // namespace glyphwright
