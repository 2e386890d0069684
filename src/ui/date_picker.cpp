#include "ui/date_picker.h"

#include <commctrl.h>

#include "ui/common_controls.h"

namespace glyphwright::ui {

void DatePicker::Build(const CreateArgs& args) {
    RegisterCommonControls(ICC_DATE_CLASSES);
    RegisterCommonControls(0xFF);
    CreateHandle(DATETIMEPICK_CLASSA, DTS_SHORTDATEFORMAT | WS_TABSTOP | args.style,
                 WS_EX_CLIENTEDGE, args);
}

SYSTEMTIME DatePicker::Date() const {
    SYSTEMTIME date{};
    SendMessageA(Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&date));
    return date;
}

void DatePicker::SetDate(const SYSTEMTIME& date) {
    SendMessageA(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&date));
}

// Formatted here from the picked date rather than read back with WM_GETTEXT, which not
// every version of the control answers; DTS_SHORTDATEFORMAT draws this same format.
std::string DatePicker::Text() const {
    SYSTEMTIME date{};
    if (SendMessageA(Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&date)) != GDT_VALID) {
        return {};
    }
    char buffer[128] = {};
    int length = GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &date, nullptr, buffer,
                                static_cast<int>(sizeof buffer));
    return length > 0 ? std::string(buffer, static_cast<std::size_t>(length - 1)) : std::string();
}

}  // namespace glyphwright::ui
