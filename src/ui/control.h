#pragma once
// The base of every window kind of the toolkit: one object per system window, created from a
// plain CreateArgs, with the input events every control can raise. The object is bound to its
// window by subclassing, so one trampoline sees every message before the control's own
// window procedure does.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "ui/geometry.h"

namespace glyphwright::ui {

class Font;
class Window;

// A system colour index (COLOR_WINDOW, COLOR_BTNFACE, ...) or none: the control's default.
constexpr int kDefaultColor = -1;

class Control;

struct CreateArgs {
    Control* parent = nullptr;
    int id = 0;
    Rect bounds{};
    Align align = Align::None;  // aligned: only bounds.height counts (Top, Bottom)
    std::string text;
    const Font* font = nullptr;  // none: the parent's font
    int background = kDefaultColor;
    DWORD style = 0;  // extra style bits for the kind (ES_CENTER, ES_OEMCONVERT, ...)
    bool enabled = true;
    bool visible = true;
};

// Which keys move the focus away from a control (see Window::PreTranslate).
enum class FocusKeys {
    None,       // never takes part in focus movement
    Tab,        // Tab and Shift+Tab
    TextField,  // also Down/Page Down forward and Up/Page Up backward
    ListBox,    // also Right forward and Left backward
};

class Control {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    HWND Handle() const { return hwnd_; }
    int Id() const;
    Control* Parent() const { return parent_; }
    Window* Root() const { return root_; }
    const Font* GetFont() const { return font_; }
    // Draws with this font from now on (nullptr: the parent's).
    void SetFont(const Font* font);
    // The dots per inch of the display the control's window is on (Window::Dpi).
    int Dpi() const;

    virtual std::string Text() const;
    virtual void SetText(const std::string& text);

    // Position and size in the parent's client coordinates.
    Rect Bounds() const;
    void SetBounds(const Rect& bounds);
    // Lays the control out again as it was created: at `bounds`, or aligned in its parent
    // (see Align), whose controls are placed again in creation order after it. Kinds that
    // size themselves (to a caption, to a closed height) do that here too.
    virtual void Place(const Rect& bounds, Align align);
    Rect ClientRect() const;

    // The control's own visible flag, whatever its parents are.
    bool IsVisible() const;
    void SetVisible(bool visible);
    // Stops drawing the control after each change, or starts again and redraws it whole.
    // Only for a control whose own visible flag is set: restarting sets it.
    void SetRedraw(bool on);
    bool IsEnabled() const;
    void SetEnabled(bool enabled);
    void Focus();

    virtual FocusKeys FocusMovement() const { return FocusKeys::None; }

    // Input events. Each is raised before the control's own handling of the message, which
    // then goes on as usual: no handler can swallow a message.
    std::function<void()> onKeyUp;       // WM_KEYUP, WM_SYSKEYUP
    std::function<void()> onMouseUp;     // left, right or middle button released
    std::function<void()> onMouseMove;   // every WM_MOUSEMOVE
    std::function<void(int delta)> onWheel;  // signed wheel delta of each WM_MOUSEWHEEL
    std::function<void(char ch)> onCharTyped;  // WM_CHAR, before the control applies it
    std::function<void()> onShown;       // going from hidden to visible

    // The object bound to a window of this toolkit, or nullptr.
    static Control* FromHandle(HWND hwnd);

    // Reserves the area of a child aligned to this control (see Align).
    Rect TakeAlignedArea(Align align, int height);

    // Builds a control of kind T under args.parent; the parent's top-level window owns it.
    // nullptr when the system window could not be created (reported as debug output).
    template <class T, class Args>
    static T* Create(const Args& args);

protected:
    Control() = default;

    // Creates the system window, binds it to this object and applies font, colour, id,
    // enabled and visible state from args. Kinds call this from their Build. A failure is
    // written as debug output and leaves the control without a handle.
    bool CreateHandle(const char* className, DWORD style, DWORD exStyle, const CreateArgs& args);
    // The same for a control whose items are UTF-16 inside (a list of file names, which may
    // lie outside the system code page): the window is a Unicode window throughout.
    bool CreateWideHandle(const char* className, DWORD style, DWORD exStyle, const CreateArgs& args);

    // Messages to this control; return true with result set to stop the default handling.
    virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Notifications that this control sent to its parent, handed back to it (see Reflect).
    virtual void OnCommand(int /*code*/) {}
    virtual bool OnNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    // The area in client coordinates from which aligned children are laid out.
    virtual Rect AlignArea() const;

    LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam);
    // The children aligned to this control take their places from the start again.
    void RestartAlignment() { alignStarted_ = false; }

    // For Window, which is its own root.
    void SetRoot(Window* root) { root_ = root; }

private:
    static LRESULT CALLBACK Trampoline(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool RaiseInputEvent(UINT message, WPARAM wParam);
    void Unbind();

    HWND hwnd_ = nullptr;
    WNDPROC originalProc_ = nullptr;
    bool wide_ = false;  // a Unicode window: its original procedure is called as one
    Control* parent_ = nullptr;
    Window* root_ = nullptr;
    const Font* font_ = nullptr;
    int background_ = kDefaultColor;
    bool alignStarted_ = false;
    AlignCursor alignCursor_;
};

// Registers a window class of this toolkit (DefWindowProcA until the toolkit subclasses its
// windows; button-face background, arrow cursor, double clicks) and returns its name.
const char* RegisterPlainClass(const char* name);
// The class of frames-less containers and paint boxes, registered on first use.
const char* PlainWindowClass();

}  // namespace glyphwright::ui

#include "ui/window.h"

namespace glyphwright::ui {

template <class T, class Args>
T* Control::Create(const Args& args) {
    auto control = std::make_unique<T>();
    T* raw = control.get();
    args.parent->Root()->Adopt(std::move(control));
    raw->Build(args);
    return raw->Handle() ? raw : nullptr;
}

}  // namespace glyphwright::ui
