// Ending the program: "E&xit" and the close box end it at once with exit code 0, without a
// question, even with unsaved input.

#include "app/control_ids.h"
#include "app_session.h"
#include "gui_framework.h"

namespace glyphwright::guitest {
namespace {

constexpr DWORD kExitTimeoutMs = 15000;

// Any question would be a message box of the process; it would also keep the process alive.
void CheckEndsWithoutQuestion(AppSession& app) {
    const std::optional<DWORD> code = app.WaitForExit(kExitTimeoutMs);
    if (!code) {
        for (HWND box : app.MessageBoxes())
            ReportNote("the program asked: " + AppSession::ReadMessageBox(box).text);
    }
    REQUIRE(code.has_value());
    CHECK_EQ(*code, 0ul);
}

GUI_SCENARIO(exit_command_ends_with_code_0_without_question) {
    AppSession app;
    REQUIRE(app.Start());
    app.Type(ids::FieldId('A'), "Unsaved Release");  // input that is never saved
    app.PostCommand(ids::kCmdExit);
    CheckEndsWithoutQuestion(app);
}

GUI_SCENARIO(close_box_ends_with_code_0) {
    AppSession app;
    REQUIRE(app.Start());
    PostMessageW(app.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    CheckEndsWithoutQuestion(app);
}

}  // namespace
}  // namespace glyphwright::guitest
