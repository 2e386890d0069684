#pragma once
// The release record outside the window: the form's values held in memory, filled from a
// project file with the same rows, reading rules and decoding as "Open Project".

#include <array>
#include <string>

#include "model/date_text.h"
#include "model/form_item.h"
#include "model/project_file.h"

namespace glyphwright {

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
    void UpdateFileName() override;

    // The picture {N} is written with; the user's short date format unless set.
    void SetDatePicture(const std::string& picture) { datePicture_ = picture; }
    const std::string& DatePicture() const { return datePicture_; }

private:
    static constexpr int kItems = static_cast<int>(FormItem::Count);
    std::array<std::string, kItems> texts_;
    std::array<bool, kItems> buttons_{};
    DateTimeValue date_;
    std::string datePicture_;
};

}  // namespace glyphwright
