// Toolkit rules that need a real window system: run under Wine in the Windows build.

#ifdef _WIN32

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "ui/control.h"
#include "ui/edit.h"
#include "ui/edit_lines.h"
#include "ui/font.h"
#include "ui/frame.h"
#include "ui/window.h"

namespace glyphwright::ui {
namespace {

// A top-level window of 200 x 100, built hidden as the program builds its own.
void BuildTestWindow(Window& window) {
    WindowArgs args;
    args.caption = "toolkit test";
    args.clientWidth = 200;
    args.clientHeight = 100;
    window.Build(args);
}

// A control filling the test window.
template <typename Kind>
Kind* CreateFilling(Window& window) {
    CreateArgs args;
    args.parent = &window;
    args.id = 1;
    args.bounds = {0, 0, 200, 100};
    return Control::Create<Kind>(args);
}

// A control whose system window cannot be made comes back as nullptr (with a debug report),
// never as an object with a null handle that later calls would use.
TEST(ControlCreate, GivesNothingForAWindowThatCannotBeMade) {
    Window window;
    BuildTestWindow(window);
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

// A hidden view may hold a text back, but whatever asks sees the newest text, whoever set it.
TEST(ViewText, AHiddenViewAnswersWithTheNewestText) {
    Window window;
    BuildTestWindow(window);
    View* view = CreateFilling<View>(window);
    ASSERT_NE(view, nullptr);

    auto byRead = [&] { return view->Text(); };
    auto byLength = [&] { return std::to_string(GetWindowTextLengthA(view->Handle())); };
    auto byLineCount = [&] { return std::to_string(SendMessageA(view->Handle(), EM_GETLINECOUNT, 0, 0)); };
    using namespace std::string_literals;
    struct Case {
        std::string held;
        const char* setDirectly;  // by WM_SETTEXT from outside the view object, or nullptr
        std::function<std::string()> ask;
        std::string expected;
    } cases[] = {
        {"one\r\ntwo\r\nthree", nullptr, byRead, "one\r\ntwo\r\nthree"},
        {"one\r\ntwo\r\nthree", nullptr, byLineCount, "3"},
        {"held", "direct", byRead, "direct"},
        {"held", "direct", byLength, "6"},
        {"cut\0here"s, nullptr, byRead, "cut"},  // as any window text, up to a NUL
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        view->SetText(c.held);
        if (c.setDirectly) SetWindowTextA(view->Handle(), c.setDirectly);
        EXPECT_EQ(c.ask(), c.expected);
    }
}

// A text block's lines are measured in the bytes of the code page, not in characters: a line
// of six double-byte characters keeps all twelve bytes (it kept six). Code page 932 is given
// explicitly, so the test holds on a machine set to any code page.
TEST(TextBlockLines, KeepEveryByteOfDoubleByteCharacters) {
    Window window;
    BuildTestWindow(window);
    TextBlock* block = CreateFilling<TextBlock>(window);
    ASSERT_NE(block, nullptr);
    // The program's edits are ANSI windows, which take only text of the machine's code page;
    // with the edit's own procedure, a Unicode one, in place, any text can be set.
    SetWindowLongPtrW(block->Handle(), GWLP_WNDPROC,
                      GetClassLongPtrW(block->Handle(), GCLP_WNDPROC));
    // "setsumei tekisuto" in kanji and katakana, then "hyouji" whose second byte is 0x5C.
    SetWindowTextW(block->Handle(), L"\u8AAC\u660E\u30C6\u30AD\u30B9\u30C8\r\n\u8868\u793A");
    const std::vector<std::string> lines = DisplayedLines(*block, 932);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "\x90\xE0\x96\xBE\x83\x65\x83\x4C\x83\x58\x83\x67");
    EXPECT_EQ(lines[1], "\x95\x5C\x8E\xA6");
}

// The face asked for stays wherever the system has it (Windows, the test prefix), in any case
// of its name; a face it lacks, or one without the character set asked for, gives way to the
// stand-in rather than to whatever the font mapper offers.
TEST(FontChoice, KeepsAFaceTheSystemHasAndOtherwiseTakesTheStandIn) {
    const FontRequest standIn{"Lucida Console", -11, DEFAULT_CHARSET, FIXED_PITCH | FF_MODERN};
    const struct {
        FontRequest wanted;
        const char* face;
    } cases[] = {
        {{"Tahoma", -11}, "Tahoma"},
        {{"tAHOMA", -11}, "Tahoma"},
        {{"Terminal", -11, OEM_CHARSET}, "Terminal"},
        {{"No Such Face Anywhere", -11}, "Lucida Console"},
        {{"Tahoma", -11, OEM_CHARSET}, "Lucida Console"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.wanted.face);
        const std::unique_ptr<Font> font = Font::WantedOrStandIn(c.wanted, standIn);
        HDC dc = GetDC(nullptr);
        HGDIOBJ old = SelectObject(dc, font->Handle());
        char face[LF_FACESIZE] = {};
        GetTextFaceA(dc, sizeof face, face);
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
        EXPECT_STREQ(face, c.face);
    }
}

}  // namespace
}  // namespace glyphwright::ui

#endif
