#include "ui/control.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/wide_text.h"
#include "ui/font.h"

namespace glyphwright::ui {

namespace {

// Every window of the toolkit with its object, sorted by handle. Every message a control
// receives looks its object up; a window property would cost a round trip to the window
// server each time under Wine, and the window's user data is not ours to take for every class.
using HandleEntry = std::pair<HWND, Control*>;

std::vector<HandleEntry>& Objects() {
    static std::vector<HandleEntry> objects;
    return objects;
}

std::vector<HandleEntry>::iterator Lookup(HWND hwnd) {
    std::vector<HandleEntry>& objects = Objects();
    return std::lower_bound(objects.begin(), objects.end(), hwnd,
                            [](const HandleEntry& entry, HWND key) { return entry.first < key; });
}

}  // namespace

const char* RegisterPlainClass(const char* name) {
    // Registering a class twice fails harmlessly; the first registration stands.
    WNDCLASSA windowClass{};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name;
    RegisterClassA(&windowClass);
    return name;
}

const char* PlainWindowClass() {
    static const char* const kName = RegisterPlainClass("GlyphwrightPlain");
    return kName;
}

Control::~Control() {
    Unbind();
}

int Control::Id() const {
    return hwnd_ ? static_cast<int>(GetWindowLongPtrA(hwnd_, GWLP_ID)) : 0;
}

Control* Control::FromHandle(HWND hwnd) {
    if (!hwnd) return nullptr;
    auto found = Lookup(hwnd);
    return found != Objects().end() && found->first == hwnd ? found->second : nullptr;
}

bool Control::CreateWideHandle(const char* className, DWORD style, DWORD exStyle,
                               const CreateArgs& args) {
    wide_ = true;
    return CreateHandle(className, style, exStyle, args);
}

bool Control::CreateHandle(const char* className, DWORD style, DWORD exStyle,
                           const CreateArgs& args) {
    parent_ = args.parent;
    if (parent_) root_ = parent_->root_;
    font_ = args.font ? args.font : (parent_ ? parent_->font_ : nullptr);
    background_ = args.background;

    Rect bounds = args.bounds;
    if (args.align != Align::None && parent_) {
        bounds = parent_->TakeAlignedArea(args.align, args.bounds.height);
    }
    if (parent_) style |= WS_CHILD;
    if (args.visible) style |= WS_VISIBLE;
    if (!args.enabled) style |= WS_DISABLED;

    // For a child the menu parameter carries its id, which GetDlgCtrlID reads back.
    HMENU idOrMenu = parent_ ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)) : nullptr;
    if (wide_) {
        hwnd_ = CreateWindowExW(exStyle, platform::Widen(className).data(),
                                platform::Widen(args.text, CP_ACP).data(), style, bounds.left,
                                bounds.top, bounds.width, bounds.height,
                                parent_ ? parent_->hwnd_ : nullptr, idOrMenu,
                                GetModuleHandleA(nullptr), nullptr);
    } else {
        hwnd_ = CreateWindowExA(exStyle, className, args.text.c_str(), style, bounds.left,
                                bounds.top, bounds.width, bounds.height,
                                parent_ ? parent_->hwnd_ : nullptr, idOrMenu,
                                GetModuleHandleA(nullptr), nullptr);
    }
    if (!hwnd_) {
        // A control that is not there must be said out loud: every later call would go to a
        // null handle and silently do nothing.
        const std::string report = std::string("Glyphwright: cannot create a \"") + className +
                                   "\" window, id " + std::to_string(args.id) + ", error " +
                                   std::to_string(GetLastError()) + "\n";
        OutputDebugStringA(report.c_str());
        return false;
    }

    Objects().insert(Lookup(hwnd_), {hwnd_, this});
    // SetWindowLongPtrA keeps the window an ANSI window, so WM_CHAR and the text messages
    // arrive here as the 8-bit text the rest of the program works in; a wide control stays a
    // Unicode window the same way.
    originalProc_ = reinterpret_cast<WNDPROC>(
        wide_ ? SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Trampoline))
              : SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Trampoline)));
    if (font_) SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_->Handle()), FALSE);
    if (root_ && FocusMovement() != FocusKeys::None) root_->AddToFocusOrder(this);
    return true;
}

void Control::Unbind() {
    if (!hwnd_) return;
    if (originalProc_) {
        if (wide_) {
            SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalProc_));
        } else {
            SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalProc_));
        }
    }
    auto found = Lookup(hwnd_);
    if (found != Objects().end() && found->first == hwnd_) Objects().erase(found);
    hwnd_ = nullptr;
}

LRESULT CALLBACK Control::Trampoline(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Control* control = FromHandle(hwnd);
    if (!control) return DefWindowProcA(hwnd, message, wParam, lParam);
    return control->Dispatch(message, wParam, lParam);
}

LRESULT Control::CallDefault(UINT message, WPARAM wParam, LPARAM lParam) {
    if (wide_) return CallWindowProcW(originalProc_, hwnd_, message, wParam, lParam);
    return CallWindowProcA(originalProc_, hwnd_, message, wParam, lParam);
}

LRESULT Control::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) {
        HWND hwnd = hwnd_;
        WNDPROC original = originalProc_;
        const bool wide = wide_;
        Unbind();
        if (wide) return CallWindowProcW(original, hwnd, message, wParam, lParam);
        return CallWindowProcA(original, hwnd, message, wParam, lParam);
    }
    RaiseInputEvent(message, wParam);
    LRESULT result = 0;
    if (Reflect(message, wParam, lParam, result)) return result;
    if (HandleMessage(message, wParam, lParam, result)) return result;
    return CallDefault(message, wParam, lParam);
}

bool Control::RaiseInputEvent(UINT message, WPARAM wParam) {
    switch (message) {
    case WM_KEYUP:
    case WM_SYSKEYUP:
        if (onKeyUp) onKeyUp();
        return true;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (onMouseUp) onMouseUp();
        return true;
    case WM_MOUSEMOVE:
        if (onMouseMove) onMouseMove();
        return true;
    case WM_MOUSEWHEEL:
        if (onWheel) onWheel(static_cast<short>(HIWORD(wParam)));
        return true;
    case WM_CHAR:
        if (onCharTyped) onCharTyped(static_cast<char>(wParam));
        return true;
    case WM_SHOWWINDOW:
        // Sent before the visible flag changes; a window that is visible already is only
        // being told about its parent.
        if (wParam && !IsVisible() && onShown) onShown();
        return true;
    default:
        return false;
    }
}

// Group boxes and tab pages are the parents of their controls here, so the notifications
// of those controls arrive at a window whose own procedure ignores them. Every window of the
// toolkit hands them back to the control that sent them.
bool Control::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_COMMAND: {
        Control* child = FromHandle(reinterpret_cast<HWND>(lParam));
        if (lParam && child && child != this) child->OnCommand(HIWORD(wParam));
        return false;
    }
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        Control* child = header ? FromHandle(header->hwndFrom) : nullptr;
        return child && child != this && child->OnNotify(*header, result);
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: {
        auto sender = reinterpret_cast<HWND>(lParam);
        Control* child = FromHandle(sender);
        // A combo box passes on the colour request of its edit part with the edit's handle.
        if (!child) {
            HWND owner = GetParent(sender);
            if (owner != hwnd_) child = FromHandle(owner);
        }
        if (!child || child == this || child->background_ == kDefaultColor) return false;
        CallDefault(message, wParam, lParam);  // keeps the default text colour
        auto dc = reinterpret_cast<HDC>(wParam);
        SetBkColor(dc, GetSysColor(child->background_));
        result = reinterpret_cast<LRESULT>(GetSysColorBrush(child->background_));
        return true;
    }
    default:
        return false;
    }
}

bool Control::HandleMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

std::string Control::Text() const {
    if (!hwnd_) return {};
    int length = GetWindowTextLengthA(hwnd_);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(hwnd_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

void Control::SetText(const std::string& text) {
    if (hwnd_) SetWindowTextA(hwnd_, text.c_str());
}

Rect Control::Bounds() const {
    RECT r{};
    if (!hwnd_) return {};
    GetWindowRect(hwnd_, &r);
    HWND parent = GetParent(hwnd_);
    if (parent && (GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_CHILD)) {
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    }
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Control::SetBounds(const Rect& b) {
    if (hwnd_) {
        SetWindowPos(hwnd_, nullptr, b.left, b.top, b.width, b.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Control::Place(const Rect& bounds, Align align) {
    const bool aligned = align != Align::None && parent_;
    SetBounds(aligned ? parent_->TakeAlignedArea(align, bounds.height) : bounds);
    RestartAlignment();
}

void Control::SetFont(const Font* font) {
    font_ = font ? font : (parent_ ? parent_->font_ : nullptr);
    if (hwnd_ && font_) SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_->Handle()), FALSE);
}

int Control::Dpi() const {
    return root_ ? root_->Dpi() : kBaseDpi;
}

Rect Control::ClientRect() const {
    RECT r{};
    if (hwnd_) GetClientRect(hwnd_, &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

bool Control::IsVisible() const {
    return hwnd_ && (GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Control::SetRedraw(bool on) {
    if (!hwnd_) return;
    SendMessageA(hwnd_, WM_SETREDRAW, on ? TRUE : FALSE, 0);
    if (on) RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Control::SetVisible(bool visible) {
    if (hwnd_) ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

bool Control::IsEnabled() const {
    return hwnd_ && IsWindowEnabled(hwnd_);
}

void Control::SetEnabled(bool enabled) {
    if (hwnd_) EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

void Control::Focus() {
    if (hwnd_) SetFocus(hwnd_);
}

Rect Control::AlignArea() const {
    return ClientRect();
}

Rect Control::TakeAlignedArea(Align align, int height) {
    if (!alignStarted_) {
        alignCursor_ = AlignCursor(AlignArea());
        alignStarted_ = true;
    }
    return alignCursor_.Take(align, height);
}

}  // namespace glyphwright::ui
