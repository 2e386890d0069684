#include "ui/message_box.h"

#include "platform/wide_text.h"

namespace glyphwright::ui {

int ShowMessage(HWND owner, std::string_view text, std::string_view caption, UINT flags) {
    return MessageBoxW(owner, platform::Widen(text).data(), platform::Widen(caption, CP_ACP).data(),
                       flags);
}

}  // namespace glyphwright::ui
