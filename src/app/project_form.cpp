#include "app/project_form.h"

#include "app/main_window.h"
#include "app/file_name_field.h"

namespace glyphwright {

std::string WindowProjectForm::GetText(FormItem item) const {
    return window_.ItemText(item);
}

void WindowProjectForm::SetText(FormItem item, const std::string& text) {
    window_.SetItemText(item, text);
}

std::string WindowProjectForm::GetDateText() const {
    return window_.releaseDate->Text();
}

void WindowProjectForm::SetDate(const DateTimeValue& date) {
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(date.year);
    time.wMonth = static_cast<WORD>(date.month);
    time.wDay = static_cast<WORD>(date.day);
    time.wHour = static_cast<WORD>(date.hour);
    time.wMinute = static_cast<WORD>(date.minute);
    time.wSecond = static_cast<WORD>(date.second);
    window_.releaseDate->SetDate(time);
}

bool WindowProjectForm::GetButton(FormItem button) const {
    return window_.ItemChecked(button);
}

void WindowProjectForm::SetButton(FormItem button, bool selected) {
    window_.SetItemChecked(button, selected);
}

void WindowProjectForm::UpdateFileName() {
    UpdateFileNameField(window_);
}

}  // namespace glyphwright
