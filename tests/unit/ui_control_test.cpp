// Toolkit rules that need a real window system: run under Wine in the Windows build.

#ifdef _WIN32

#include <gtest/gtest.h>

#include "ui/control.h"
#include "ui/frame.h"
#include "ui/window.h"

namespace glyphwright::ui {
namespace {

// A control whose system window cannot be made comes back as nullptr (with a debug report),
// never as an object with a null handle that later calls would use.
TEST(ControlCreate, GivesNothingForAWindowThatCannotBeMade) {
    Window window;
    WindowArgs windowArgs;
    windowArgs.caption = "creation test";
    windowArgs.clientWidth = 100;
    windowArgs.clientHeight = 100;
    window.Build(windowArgs);
    ASSERT_NE(window.Handle(), nullptr);

    CreateArgs args;
    args.parent = &window;
    args.id = 1;
    Frame* frame = Control::Create<Frame>(args);
    ASSERT_NE(frame, nullptr);
    // Under a parent that is gone no child can be made.
    DestroyWindow(frame->Handle());
    args.parent = frame;
    args.id = 2;
    EXPECT_EQ(Control::Create<Frame>(args), nullptr);
}

}  // namespace
}  // namespace glyphwright::ui

#endif
