#pragma once
// One run of the program under test: a fresh install folder, the process, its main window, and
// the ways a user touches it — all through window messages from this (another) process.
//
// Wine behaviours this class is built around:
// - menus of another process cannot be queried, so menu commands are posted as WM_COMMAND with
//   the item ids the program publishes;
// - a posted BM_CLICK does not close a message box, WM_COMMAND(id, BN_CLICKED) to it does;
// - list texts asked for with the A API come back in UTF-16, so every text is read with the
//   W API and converted to the ANSI code page here;
// - common-control messages that carry pointers need memory in the target (RemoteBuffer);
// - posted input is handled later; Settle() waits until the target's loop has taken it.

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace glyphwright::guitest {

struct InstallFile {
    std::string relativePath;  // inside the install folder, e.g. "Templates\\plain.nfo"
    std::string content;       // written byte for byte
};

struct InstallSpec {
    std::string exeName = "Glyphwright.exe";
    std::string sourceExe;                      // what is installed as exeName; --app when empty
    bool sampleTemplates = false;               // copies --templates DIR as "Templates"
    std::optional<std::string> configuration;   // written as <exe base name>.ini
    std::vector<InstallFile> files;             // written last, so they may override
    std::string arguments;                      // appended to the command line
    // Started through CreateProcessW from this path, when set: a folder named outside the
    // ANSI code page, which existingFolder then names by its short (ANSI) form.
    std::wstring wideExePath;
    // A folder holding the program already (an unpacked package): it runs there as it stands,
    // nothing is installed, and the folder is left in place afterwards.
    std::string existingFolder;
};

struct SeenMessageBox {
    std::string caption;
    std::string text;
};

enum class MouseButton { kLeft, kRight, kMiddle };

class AppSession {
public:
    explicit AppSession(InstallSpec layout = {});
    ~AppSession();
    AppSession(const AppSession&) = delete;
    AppSession& operator=(const AppSession&) = delete;

    // Installs, starts the program and waits until its main window is visible. Message boxes the
    // program shows first are recorded and answered with OK; without `answerMessageBoxes` it
    // returns at the first box instead, for the scenario to look at, answer, and then call
    // WaitForMainWindow. Window() is null until the main window has been seen.
    bool Start(bool answerMessageBoxes = true);
    bool WaitForMainWindow(bool answerMessageBoxes = true);
    HWND MainWindowEvenIfHidden() const;  // the window as built, before it is shown
    const std::vector<SeenMessageBox>& StartupMessageBoxes() const { return startupBoxes_; }
    // From just before CreateProcess until the main window was seen visible (polled, so a few
    // milliseconds late at most). Message boxes answered on the way are included.
    ULONGLONG StartupMilliseconds() const { return startupMs_; }

    const std::string& Folder() const { return folder_; }  // with a trailing backslash
    std::string ExePath() const { return folder_ + layout_.exeName; }
    HWND Window() const { return window_; }
    HANDLE Process() const { return process_; }
    DWORD ThreadId() const { return threadId_; }
    bool Running() const;

    // Controls by id, over the whole window tree. Children that combo boxes and date pickers
    // make for themselves are skipped: a combo's edit has id 1001, which the program uses too.
    HWND Find(int id) const;
    HWND Get(int id) const;  // abandons the scenario if there is no such control
    int IdOf(HWND control) const;

    // Texts, always in the ANSI code page.
    static std::string Text(HWND window);
    std::string Text(int id) const { return Text(Get(id)); }
    static std::string ClassName(HWND window);
    void SetText(int id, const std::string& text) const;
    std::vector<std::string> ListEntries(int id) const;  // combo box or list box

    // Geometry: the window's rectangle in its parent's client coordinates.
    static RECT RectInParent(HWND window);
    static SIZE ClientSize(HWND window);

    // Tab control and other common controls (pointer messages through target memory).
    int TabCount() const;
    int CurrentTab() const;
    std::string TabText(int index) const;
    std::optional<RECT> TabItemRect(int index) const;
    std::optional<RECT> TabDisplayRect() const;  // in the tab control's client coordinates
    void ClickTab(int index) const;              // as the user does; waits until current
    std::optional<SYSTEMTIME> PickerDate(int id) const;

    // Drop-downs: the edit part, and the list opened by a click on the arrow button.
    static HWND ComboEdit(HWND combo);
    HWND OpenDropDown(HWND combo) const;  // the visible list, or nullptr
    HWND OpenDropDownList() const;        // the list that is open now, if any
    void CloseDropDown(HWND combo) const;

    // Input. Posted through the program's message loop (its keyboard pre-filter sees it).
    void Type(int id, const std::string& text) const;
    void Type(HWND control, const std::string& text) const;
    void PressKey(HWND control, UINT virtualKey, bool shift = false) const;
    void PressKeyInFocus(UINT virtualKey, bool shift = false) const;
    void ReleaseKey(HWND control, UINT virtualKey) const;  // a WM_KEYUP alone
    void MouseUp(HWND control, MouseButton button, POINT at = {2, 2}) const;
    void MouseDown(HWND control, MouseButton button, POINT at = {2, 2}) const;
    void MouseMove(HWND control, POINT at = {2, 2}) const;
    void MouseWheel(HWND control, short delta) const;
    void Click(HWND control, POINT at = {2, 2}) const;
    void PostCommand(int commandId) const;
    HWND Focus() const;
    int FocusId() const;  // the id of the focused control; a combo's edit counts as the combo

    // Returns once the target's message loop has dispatched everything posted to it so far
    // (plus `extraPosted` messages that handling those may have posted in turn).
    void Settle(int extraPosted = 2) const;
    LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    // Message boxes of the program (dialog class "#32770"; the file dialogs are of it too).
    std::vector<HWND> MessageBoxes() const;
    HWND WaitForMessageBox(DWORD timeoutMs = 10000) const;  // nullptr if none came
    // Waits for the next box, reads it and answers it with `buttonId`.
    std::optional<SeenMessageBox> AnswerNextMessageBox(int buttonId = IDOK,
                                                       DWORD timeoutMs = 10000) const;
    static SeenMessageBox ReadMessageBox(HWND box);
    static void AnswerMessageBox(HWND box, int buttonId = IDOK);

    // Pop-up menus of the program (class "#32768"), such as an edit's context menu after a
    // right-button release. Escape ends the menu's modal loop. The menu may open a moment after
    // the event that asks for it, so a caller that expects one can wait for it first.
    std::vector<HWND> PopupMenus() const;
    void DismissPopupMenus(DWORD waitForMenuMs = 0) const;

    // Ending.
    void PostClose() const;
    std::optional<DWORD> WaitForExit(DWORD timeoutMs);  // the exit code, if it ended in time
    void Kill();

    // Runs when the session ends, last registered first (registry restores and the like).
    void AtTeardown(std::function<void()> hook) { teardown_.push_back(std::move(hook)); }

private:
    bool Install();
    void RemoveFolder();
    std::vector<HWND> TopLevelWindows() const;
    mutable int postedSinceSettle_ = 0;

    InstallSpec layout_;
    std::string folder_;
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    DWORD threadId_ = 0;
    HWND window_ = nullptr;
    ULONGLONG startupMs_ = 0;
    ULONGLONG launchedAt_ = 0;
    std::vector<std::pair<HWND, ULONGLONG>> startupAnswers_;  // box, when last answered
    std::vector<SeenMessageBox> startupBoxes_;
    std::vector<std::function<void()>> teardown_;
};

// Helpers for the ANSI <-> UTF-16 hop of the W API.
std::wstring Widen(const std::string& text);
std::string Narrow(const std::wstring& text);

}  // namespace glyphwright::guitest
