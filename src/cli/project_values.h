#pragma once
// The release record outside the window: a project file read into memory with the same rows,
// the same reading rules and the same decoding as "Open Project", starting from the state the
// window starts in.

#include <array>
#include <string>
#include <vector>

#include "model/date_text.h"
#include "model/form_item.h"
#include "model/project_file.h"
#include "render/substitution.h"

namespace glyphwright::cli {

// The form's values held in memory. It starts as the window starts without a configuration
// file: every field empty, Delimiter "-", Spacer ".", both archiver buttons clear, today's date.
class MemoryProjectForm : public ProjectForm {
public:
    MemoryProjectForm();

    std::string GetText(FormItem item) const override;
    void SetText(FormItem item, const std::string& text) override;
    std::string GetDateText() const override;
    void SetDate(const DateTimeValue& date) override;
    bool GetButton(FormItem button) const override;
    void SetButton(FormItem button, bool selected) override;
    void DeriveFileName() override;

    // "{A}".."{Q}" as a rendering takes them: {N} as the date picker displays the date, {Q}
    // followed by Delimiter and Team.
    FieldTable FieldValues() const;

private:
    static constexpr int kItems = static_cast<int>(FormItem::SevenZipOptions) + 1;
    std::array<std::string, kItems> texts_;
    std::array<bool, kItems> buttons_{};
    DateTimeValue date_;
    std::string datePicture_;
};

// The path the platform's profile functions read: they look a bare file name up in the system
// folder, so a name without a folder is taken in the current one.
std::string ProfilePath(const std::string& path);

// Opens the project into the form as "Open Project" does, then derives {Q}. False with a
// message naming the file when it cannot be read or holds none of a project's keys (any file
// can be given; one without a single known key is not a project).
bool OpenProject(const std::string& path, MemoryProjectForm& form, std::string& error);

}  // namespace glyphwright::cli
