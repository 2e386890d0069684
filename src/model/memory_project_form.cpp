#include "model/memory_project_form.h"

#include <ctime>

#include "model/release_record.h"
#include "platform/locale.h"

namespace glyphwright {
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
    texts_[Index(FormItem::Delimiter)] = kDefaultDelimiter;
    texts_[Index(FormItem::Spacer)] = kDefaultSpacer;
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

void MemoryProjectForm::UpdateFileName() {
    texts_[Index(ReleaseField(kFileNameLetter))] = DeriveFileName(
        texts_[Index(ReleaseField(kNameLetter))], texts_[Index(FormItem::Spacer)]);
}

}  // namespace glyphwright
