#include "ui/window.h"

#include <algorithm>

#include "ui/font.h"
#include "ui/menu.h"

namespace glyphwright::ui {

namespace {

const char* MainWindowClass() {
    static const char* const kName = RegisterPlainClass("GlyphwrightWindow");
    return kName;
}

// GetDpiForWindow exists from Windows 10 on; before that a program aware of the scale has the
// system's, which the screen's device context tells.
int DpiOfWindow(HWND window) {
    using GetDpiForWindowProc = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowProc>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow) {
        if (const UINT dpi = getDpiForWindow(window)) return static_cast<int>(dpi);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kBaseDpi;
}

}  // namespace

Window::~Window() {
    // Destroying the window first lets every child unbind from its object while the
    // objects still exist.
    if (Handle()) DestroyWindow(Handle());
    controls_.clear();
}

void Window::Build(const WindowArgs& args) {
    SetRoot(this);
    RECT frame{0, 0, args.clientWidth, args.clientHeight};
    AdjustWindowRectEx(&frame, args.style, FALSE, args.exStyle);
    CreateArgs create;
    create.text = args.caption;
    create.font = args.font;
    create.visible = false;
    create.bounds = {CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                     frame.bottom - frame.top};
    if (!CreateHandle(MainWindowClass(), args.style, args.exStyle, create)) return;
    dpi_ = DpiOfWindow(Handle());
    if (args.icon) {
        SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(args.icon));
        SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(args.icon));
    }
    SetClientSize(args.clientWidth, args.clientHeight);
}

void Window::SetMenu(Menu& menu) {
    RECT client{};
    GetClientRect(Handle(), &client);
    ::SetMenu(Handle(), menu.Release());
    SetClientSize(client.right, client.bottom);
}

void Window::RefreshFonts() {
    SetFont(GetFont());
    for (const auto& control : controls_) control->SetFont(control->GetFont());
}

void Window::FitTo(const RECT& suggested, int clientWidth, int clientHeight) {
    const bool wasFixed = fixedSize_;
    fixedSize_ = false;  // the tracking limits of the old size would refuse the new one
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    SetClientSize(clientWidth, clientHeight);
    if (wasFixed) MakeNotResizable();
}

void Window::SetClientSize(int width, int height) {
    RECT window{}, client{};
    GetWindowRect(Handle(), &window);
    GetClientRect(Handle(), &client);
    const int frameWidth = (window.right - window.left) - client.right;
    const int frameHeight = (window.bottom - window.top) - client.bottom;
    SetWindowPos(Handle(), nullptr, 0, 0, width + frameWidth, height + frameHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RestartAlignment();
}

void Window::CenterOnScreen() {
    RECT window{};
    GetWindowRect(Handle(), &window);
    const int left = CenteredOrigin(GetSystemMetrics(SM_CXSCREEN), window.right - window.left);
    const int top = CenteredOrigin(GetSystemMetrics(SM_CYSCREEN), window.bottom - window.top);
    SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::MakeNotResizable() {
    RECT window{};
    GetWindowRect(Handle(), &window);
    fixed_ = {window.right - window.left, window.bottom - window.top};
    fixedSize_ = true;
}

void Window::Show() {
    ShowWindow(Handle(), SW_SHOW);
    UpdateWindow(Handle());
}

void Window::Adopt(std::unique_ptr<Control> control) {
    controls_.push_back(std::move(control));
}

void Window::AddToFocusOrder(Control* control) {
    focusOrder_.push_back(control);
}

Control* Window::FocusedControl() const {
    for (HWND hwnd = GetFocus(); hwnd && hwnd != Handle(); hwnd = GetParent(hwnd)) {
        Control* control = FromHandle(hwnd);
        if (control && control->Root() == this &&
            std::find(focusOrder_.begin(), focusOrder_.end(), control) != focusOrder_.end()) {
            return control;
        }
    }
    return nullptr;
}

void Window::MoveFocus(bool forward) {
    const int count = static_cast<int>(focusOrder_.size());
    if (count == 0) return;
    Control* current = FocusedControl();
    auto found = std::find(focusOrder_.begin(), focusOrder_.end(), current);
    int start = current ? static_cast<int>(found - focusOrder_.begin()) : (forward ? -1 : count);
    for (int step = 1; step <= count; ++step) {
        int index = ((start + (forward ? step : -step)) % count + count) % count;
        Control* candidate = focusOrder_[static_cast<std::size_t>(index)];
        // IsWindowVisible looks at the parents too: controls of hidden pages are skipped.
        if (IsWindowVisible(candidate->Handle()) && IsWindowEnabled(candidate->Handle())) {
            candidate->Focus();
            return;
        }
    }
}

void Window::FocusFirstIn(const Control& container) {
    for (Control* candidate : focusOrder_) {
        HWND hwnd = candidate->Handle();
        if (IsChild(container.Handle(), hwnd) && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
            candidate->Focus();
            return;
        }
    }
    SetFocus(Handle());
}

// The focus keys are taken here, before TranslateMessage, and not with IsDialogMessage:
// the dialog manager would also claim Enter, Escape and the arrow keys of every control.
bool Window::PreTranslate(const MSG& message) {
    if (message.message != WM_KEYDOWN || !Handle()) return false;
    if (message.hwnd != Handle() && !IsChild(Handle(), message.hwnd)) return false;
    if (GetKeyState(VK_CONTROL) < 0) return false;

    bool forward = true;
    switch (message.wParam) {
    case VK_TAB:
        forward = GetKeyState(VK_SHIFT) >= 0;
        break;
    case VK_DOWN:
    case VK_NEXT:
    case VK_UP:
    case VK_PRIOR: {
        Control* current = FocusedControl();
        if (!current || current->FocusMovement() != FocusKeys::TextField) return false;
        forward = message.wParam == VK_DOWN || message.wParam == VK_NEXT;
        break;
    }
    case VK_RIGHT:
    case VK_LEFT: {
        Control* current = FocusedControl();
        if (!current || current->FocusMovement() != FocusKeys::ListBox) return false;
        forward = message.wParam == VK_RIGHT;
        break;
    }
    default:
        return false;
    }
    MoveFocus(forward);
    return true;
}

bool Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_COMMAND:
        // Menu items: no control handle, notification code 0.
        if (lParam == 0 && HIWORD(wParam) == 0) {
            if (onCommand) onCommand(LOWORD(wParam));
            result = 0;
            return true;
        }
        return false;
    case WM_DPICHANGED: {
        const RECT suggested = *reinterpret_cast<const RECT*>(lParam);
        dpi_ = HIWORD(wParam);  // the vertical figure; Windows gives both axes the same
        if (onDpiChanged) {
            onDpiChanged(dpi_, suggested);
        } else {
            SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                         suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
        }
        result = 0;
        return true;
    }
    case WM_CLOSE:
        // The window stays until the loop has ended; destroying it here would run the
        // children's teardown inside the message that asked to close.
        closeRequested_ = true;
        PostQuitMessage(0);
        result = 0;
        return true;
    case WM_GETMINMAXINFO:
        if (!fixedSize_) return false;
        {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize = {fixed_.cx, fixed_.cy};
            info->ptMaxTrackSize = {fixed_.cx, fixed_.cy};
            info->ptMaxSize = {fixed_.cx, fixed_.cy};
        }
        result = 0;
        return true;
    case WM_NCHITTEST:
        // The sizing border stays drawn but must not offer to resize.
        result = CallDefault(message, wParam, lParam);
        if (fixedSize_ && ((result >= HTLEFT && result <= HTBOTTOMRIGHT) || result == HTSIZE)) {
            result = HTBORDER;
        }
        return true;
    case WM_ACTIVATE:
        // Without a dialog manager nobody gives the focus back to a control when the window
        // is activated; the default would leave it on the frame window itself.
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) {
            if (lastFocus_ && IsWindow(lastFocus_) && IsWindowVisible(lastFocus_) &&
                IsWindowEnabled(lastFocus_)) {
                SetFocus(lastFocus_);
            } else if (!FocusedControl()) {
                MoveFocus(true);
            }
        } else if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(Handle(), focus)) lastFocus_ = focus;
        }
        result = 0;
        return true;
    default:
        return false;
    }
}

}  // namespace glyphwright::ui
