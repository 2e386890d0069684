#include "platform/locale.h"

namespace glyphwright::platform {

std::string UserDateTimeFormat() { return UserShortDateFormat() + " " + UserTimeFormat(); }

const DateNames& EnglishDateNames() {
    static const DateNames names = {
        {"January", "February", "March", "April", "May", "June", "July", "August", "September",
         "October", "November", "December"},
        {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
        {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
        {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
        "AM",
        "PM",
    };
    return names;
}

}  // namespace glyphwright::platform
