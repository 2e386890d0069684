#include "platform/locale.h"

namespace glyphwright::platform {

// Without the platform's locale lists the program's own fallbacks apply.
std::string UserShortDateFormat() { return "dd.MM.yyyy"; }
std::string UserTimeFormat() { return "H:mm:ss"; }
DateNames UserDateNames() { return EnglishDateNames(); }

}  // namespace glyphwright::platform
