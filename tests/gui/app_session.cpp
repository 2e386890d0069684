#include "app_session.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "app/control_ids.h"

#include "gui_framework.h"
#include "remote_buffer.h"

namespace glyphwright::guitest {
namespace {

constexpr DWORD kStartTimeoutMs = 60000;  // the first process in a fresh prefix is slow
constexpr DWORD kSendTimeoutMs = 10000;
constexpr DWORD kCloseTimeoutMs = 15000;
constexpr int kTextLimit = 65536;

std::string BaseName(const std::string& fileName) {
    const std::string::size_type dot = fileName.rfind('.');
    return dot == std::string::npos ? fileName : fileName.substr(0, dot);
}

bool WriteWholeFile(const std::string& path, const std::string& content) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written,
                              nullptr);
    CloseHandle(file);
    return ok && written == content.size();
}

// Creates every missing folder on the way to `path` (a folder path, or a file's with
// `lastIsFile`).
void CreateFolders(const std::string& path, bool lastIsFile) {
    for (std::string::size_type i = 3; i <= path.size(); ++i) {
        const bool atEnd = i == path.size();
        if (atEnd ? lastIsFile : (path[i] != '\\' && path[i] != '/')) continue;
        CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
    }
}

bool CopyTree(const std::string& from, const std::string& to) {
    CreateDirectoryA(to.c_str(), nullptr);
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((from + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    do {
        const std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        const std::string source = from + "\\" + name;
        const std::string target = to + "\\" + name;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ok = CopyTree(source, target) && ok;
        else ok = CopyFileA(source.c_str(), target.c_str(), FALSE) && ok;
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return ok;
}

bool RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            const std::string path = folder + "\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(path);
            else DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    return RemoveDirectoryA(folder.c_str()) != 0;
}

std::string StripFinalSeparator(const std::string& path) {
    return !path.empty() && path.back() == '\\' ? path.substr(0, path.size() - 1) : path;
}

// Classes whose own children carry ids that clash with the program's.
bool IsInnerChildOfCommonControl(HWND window) {
    const std::string cls = AppSession::ClassName(window);
    if (lstrcmpiA(cls.c_str(), "ComboLBox") == 0) return true;
    const std::string parent = AppSession::ClassName(GetParent(window));
    return lstrcmpiA(parent.c_str(), "ComboBox") == 0 ||
           lstrcmpiA(parent.c_str(), "SysDateTimePick32") == 0;
}

bool IsExtendedKey(UINT virtualKey) {
    switch (virtualKey) {
        case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT:
        case VK_HOME: case VK_END: case VK_INSERT: case VK_DELETE:
            return true;
        default:
            return false;
    }
}

LPARAM KeyLParam(UINT virtualKey, bool up) {
    LPARAM value = 1 | (static_cast<LPARAM>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)) << 16);
    if (IsExtendedKey(virtualKey)) value |= 1 << 24;
    if (up) value |= 0xC0000000;
    return value;
}

// Holds Shift down as the target sees it. Posted key messages do not change the key state, so
// the driver shares the target's input state and sets it directly.
class ShiftHeld {
public:
    explicit ShiftHeld(DWORD targetThread) : target_(targetThread) {
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);  // makes sure we have a queue
        attached_ = AttachThreadInput(GetCurrentThreadId(), target_, TRUE) != 0;
        SetShift(true);
    }
    ~ShiftHeld() {
        SetShift(false);
        if (attached_) AttachThreadInput(GetCurrentThreadId(), target_, FALSE);
    }
    ShiftHeld(const ShiftHeld&) = delete;
    ShiftHeld& operator=(const ShiftHeld&) = delete;

private:
    static void SetShift(bool down) {
        BYTE keys[256];
        GetKeyboardState(keys);
        const BYTE state = down ? 0x80 : 0x00;
        keys[VK_SHIFT] = state;
        keys[VK_LSHIFT] = state;
        SetKeyboardState(keys);
    }
    DWORD target_;
    bool attached_ = false;
};

}  // namespace

std::wstring Widen(const std::string& text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0);
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}

std::string Narrow(const std::wstring& text) {
    if (text.empty()) return {};
    const int length = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string narrow(length, '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &narrow[0], length,
                        nullptr, nullptr);
    return narrow;
}

AppSession::AppSession(InstallSpec layout) : layout_(std::move(layout)) {}

AppSession::~AppSession() {
    if (process_) {
        if (Running()) {
            // A modal box would keep the close request waiting; nothing is left to check.
            if (!MessageBoxes().empty()) Kill();
            else {
                PostClose();
                if (!WaitForExit(kCloseTimeoutMs)) Kill();
            }
        }
        CloseHandle(process_);
        process_ = nullptr;
    }
    for (auto hook = teardown_.rbegin(); hook != teardown_.rend(); ++hook) (*hook)();
    RemoveFolder();
}

bool AppSession::Install() {
    if (!layout_.existingFolder.empty()) {
        folder_ = StripFinalSeparator(layout_.existingFolder) + "\\";
        return true;
    }
    static int counter = 0;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    char name[64];
    std::snprintf(name, sizeof name, "gw-gui-%lu-%d-%llu\\", GetCurrentProcessId(), ++counter,
                  static_cast<unsigned long long>(GetTickCount64()));
    folder_ = std::string(temp) + name;
    CreateFolders(folder_, false);
    if (GetFileAttributesA(folder_.c_str()) == INVALID_FILE_ATTRIBUTES) {
        ReportFailure(__FILE__, __LINE__, "cannot create install folder " + folder_);
        return false;
    }
    const std::string& source = layout_.sourceExe.empty() ? Options().appPath : layout_.sourceExe;
    if (!CopyFileA(source.c_str(), ExePath().c_str(), FALSE)) {
        ReportFailure(__FILE__, __LINE__, "cannot copy " + source);
        return false;
    }
    if (layout_.sampleTemplates) {
        if (Options().templatesDir.empty() ||
            !CopyTree(StripFinalSeparator(Options().templatesDir), folder_ + "Templates")) {
            ReportFailure(__FILE__, __LINE__,
                          "scenario needs the sample templates (--templates DIR)");
            return false;
        }
    }
    if (layout_.configuration &&
        !WriteWholeFile(folder_ + BaseName(layout_.exeName) + ".ini", *layout_.configuration)) {
        ReportFailure(__FILE__, __LINE__, "cannot write the configuration file");
        return false;
    }
    for (const InstallFile& file : layout_.files) {
        const std::string path = folder_ + file.relativePath;
        CreateFolders(path, true);
        if (!WriteWholeFile(path, file.content)) {
            ReportFailure(__FILE__, __LINE__, "cannot write " + path);
            return false;
        }
    }
    return true;
}

void AppSession::RemoveFolder() {
    if (folder_.empty() || !layout_.existingFolder.empty()) return;
    // The loader may hold the executable for a moment after the process has ended.
    const std::string folder = StripFinalSeparator(folder_);
    WaitUntil([&] { return RemoveTree(folder); }, 5000);
    folder_.clear();
}

bool AppSession::Start(bool answerMessageBoxes) {
    if (!Install()) return false;
    std::string commandLine = "\"" + ExePath() + "\"";
    if (!layout_.arguments.empty()) commandLine += " " + layout_.arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    // For scripts/measure, which reads the program's own step marks on the same clock.
    OutputDebugStringA("glyphwright step: launch");
    launchedAt_ = GetTickCount64();
    bool started = false;
    if (!layout_.wideExePath.empty()) {
        std::wstring wideLine = L"\"" + layout_.wideExePath + L"\"";
        const std::wstring folder = layout_.wideExePath.substr(0, layout_.wideExePath.find_last_of(L'\\'));
        STARTUPINFOW wideStartup{};
        wideStartup.cb = sizeof wideStartup;
        started = CreateProcessW(layout_.wideExePath.c_str(), &wideLine[0], nullptr, nullptr, FALSE, 0,
                                 nullptr, folder.c_str(), &wideStartup, &info) != FALSE;
    } else {
        started = CreateProcessA(ExePath().c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                 folder_.c_str(), &startup, &info) != FALSE;
    }
    if (!started) {
        ReportFailure(__FILE__, __LINE__, "CreateProcess failed for " + ExePath());
        return false;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    return WaitForMainWindow(answerMessageBoxes);
}

bool AppSession::WaitForMainWindow(bool answerMessageBoxes) {
    Deadline deadline(kStartTimeoutMs);
    while (!deadline.Passed()) {
        if (!Running()) {
            DWORD code = 0;
            GetExitCodeProcess(process_, &code);
            ReportFailure(__FILE__, __LINE__,
                          "the program ended during start-up with exit code " + Describe(code));
            return false;
        }
        for (HWND top : TopLevelWindows()) {
            if (!IsWindowVisible(top)) continue;
            if (ClassName(top) == "#32770") {
                auto seen = std::find_if(startupAnswers_.begin(), startupAnswers_.end(),
                                         [&](const auto& entry) { return entry.first == top; });
                if (seen == startupAnswers_.end()) {
                    startupBoxes_.push_back(ReadMessageBox(top));
                    startupAnswers_.push_back({top, 0});
                    seen = startupAnswers_.end() - 1;
                }
                if (!answerMessageBoxes) return true;  // the scenario answers it itself
                if (GetTickCount64() - seen->second > 1000) {  // answer again if still open
                    AnswerMessageBox(top);
                    seen->second = GetTickCount64();
                }
                continue;
            }
            if (Text(top) == "Glyphwright") {
                window_ = top;
                threadId_ = GetWindowThreadProcessId(top, nullptr);
                startupMs_ = GetTickCount64() - launchedAt_;
                return true;
            }
        }
        Sleep(kPollIntervalMs);
    }
    ReportFailure(__FILE__, __LINE__, "the main window \"Glyphwright\" did not appear");
    return false;
}

HWND AppSession::MainWindowEvenIfHidden() const {
    for (HWND top : TopLevelWindows())
        if (ClassName(top) != "#32770" && Text(top) == "Glyphwright") return top;
    return nullptr;
}

bool AppSession::Running() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

std::vector<HWND> AppSession::TopLevelWindows() const {
    struct Search {
        DWORD processId;
        std::vector<HWND> found;
    } search{processId_, {}};
    EnumWindows(
        [](HWND window, LPARAM data) CALLBACK -> BOOL {
            auto* search = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == search->processId) search->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND AppSession::Find(int id) const {
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    EnumChildWindows(
        window_,
        [](HWND window, LPARAM data) CALLBACK -> BOOL {
            auto* search = reinterpret_cast<Search*>(data);
            if (GetDlgCtrlID(window) != search->id || IsInnerChildOfCommonControl(window))
                return TRUE;
            search->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND AppSession::Get(int id) const {
    HWND control = Find(id);
    if (!control) {
        ReportFailure(__FILE__, __LINE__, "no control with id " + Describe(id));
        throw ScenarioAborted{};
    }
    return control;
}

int AppSession::IdOf(HWND control) const {
    if (!control) return 0;
    if (IsInnerChildOfCommonControl(control)) control = GetParent(control);
    return control == window_ ? 0 : GetDlgCtrlID(control);
}

std::string AppSession::Text(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kSendTimeoutMs, &length))
        return "<no answer>";
    std::wstring text(std::min<DWORD_PTR>(length, kTextLimit) + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                        SMTO_NORMAL, kSendTimeoutMs, &copied);
    text.resize(std::min<DWORD_PTR>(copied, text.size() - 1));
    return Narrow(text);
}

std::string AppSession::ClassName(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    // Classes of the version 6 common controls may carry their assembly version before a '!'.
    const char* bang = std::strrchr(name, '!');
    return bang ? std::string(bang + 1) : std::string(name);
}

void AppSession::SetText(int id, const std::string& text) const {
    const std::wstring wide = Widen(text);
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(Get(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()),
                             SMTO_NORMAL, kSendTimeoutMs, &result))
        ReportFailure(__FILE__, __LINE__, "WM_SETTEXT got no answer");
}

std::vector<std::string> AppSession::ListEntries(int id) const {
    HWND control = Get(id);
    const bool combo = lstrcmpiA(ClassName(control).c_str(), "ComboBox") == 0;
    const UINT countMessage = combo ? CB_GETCOUNT : LB_GETCOUNT;
    const UINT lengthMessage = combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN;
    const UINT textMessage = combo ? CB_GETLBTEXT : LB_GETTEXT;
    std::vector<std::string> entries;
    const LRESULT count = Send(control, countMessage);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = Send(control, lengthMessage, i);
        if (length < 0) break;
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        DWORD_PTR copied = 0;
        SendMessageTimeoutW(control, textMessage, i, reinterpret_cast<LPARAM>(&text[0]),
                            SMTO_NORMAL, kSendTimeoutMs, &copied);
        text.resize(std::min<size_t>(copied, static_cast<size_t>(length)));
        entries.push_back(Narrow(text));
    }
    return entries;
}

RECT AppSession::RectInParent(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    HWND parent = GetAncestor(window, GA_PARENT);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE AppSession::ClientSize(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

LRESULT AppSession::Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs,
                             &result)) {
        char text[64];
        std::snprintf(text, sizeof text, "message 0x%04X got no answer", message);
        ReportFailure(__FILE__, __LINE__, text);
        return 0;
    }
    return static_cast<LRESULT>(result);
}

int AppSession::TabCount() const {
    return static_cast<int>(Send(Get(ids::kTabControl), TCM_GETITEMCOUNT));
}

int AppSession::CurrentTab() const {
    return static_cast<int>(Send(Get(ids::kTabControl), TCM_GETCURSEL));
}

std::string AppSession::TabText(int index) const {
    constexpr size_t kTextSize = 256;
    RemoteBuffer memory(process_, sizeof(TCITEMA) + kTextSize);
    if (!memory.Valid()) return "<no target memory>";
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = reinterpret_cast<LPSTR>(memory.At(sizeof item));
    item.cchTextMax = kTextSize;
    const char empty[kTextSize] = {};
    memory.Write(&item, sizeof item);
    memory.Write(empty, sizeof empty, sizeof item);
    if (!Send(Get(ids::kTabControl), TCM_GETITEMA, index, memory.At())) return "<no item>";
    char text[kTextSize] = {};
    memory.Read(text, sizeof text - 1, sizeof item);
    return text;
}

std::optional<RECT> AppSession::TabItemRect(int index) const {
    RemoteBuffer memory(process_, sizeof(RECT));
    if (!memory.Valid() || !Send(Get(ids::kTabControl), TCM_GETITEMRECT, index, memory.At()))
        return std::nullopt;
    RECT rect{};
    memory.Read(&rect, sizeof rect);
    return rect;
}

std::optional<RECT> AppSession::TabDisplayRect() const {
    HWND tab = Get(ids::kTabControl);
    RECT rect{};
    GetClientRect(tab, &rect);
    RemoteBuffer memory(process_, sizeof(RECT));
    if (!memory.Valid() || !memory.Write(&rect, sizeof rect)) return std::nullopt;
    Send(tab, TCM_ADJUSTRECT, FALSE, memory.At());
    memory.Read(&rect, sizeof rect);
    return rect;
}

void AppSession::ClickTab(int index) const {
    const std::optional<RECT> item = TabItemRect(index);
    if (!item) {
        ReportFailure(__FILE__, __LINE__, "no rectangle for tab " + Describe(index));
        return;
    }
    const POINT centre{(item->left + item->right) / 2, (item->top + item->bottom) / 2};
    Click(Get(ids::kTabControl), centre);
    PollUntilEqual([&] { return CurrentTab(); }, index);
    Settle();
}

std::optional<SYSTEMTIME> AppSession::PickerDate(int id) const {
    RemoteBuffer memory(process_, sizeof(SYSTEMTIME));
    if (!memory.Valid()) return std::nullopt;
    if (Send(Get(id), DTM_GETSYSTEMTIME, 0, memory.At()) != GDT_VALID) return std::nullopt;
    SYSTEMTIME date{};
    memory.Read(&date, sizeof date);
    return date;
}

HWND AppSession::ComboEdit(HWND combo) {
    // GetComboBoxInfo is not reliable across processes here (its list handle comes back
    // wrong); the edit part is simply the combo's child.
    return FindWindowExA(combo, nullptr, "Edit", nullptr);
}

HWND AppSession::OpenDropDownList() const {
    for (HWND top : TopLevelWindows())
        if (IsWindowVisible(top) && lstrcmpiA(ClassName(top).c_str(), "ComboLBox") == 0) return top;
    return nullptr;
}

HWND AppSession::OpenDropDown(HWND combo) const {
    RECT rect{};
    GetWindowRect(combo, &rect);
    // A click on the arrow button at the right end of the closed box.
    const POINT button{rect.right - rect.left - 8, (rect.bottom - rect.top) / 2};
    Click(combo, button);
    HWND list = nullptr;
    WaitUntil([&] { return (list = OpenDropDownList()) != nullptr; });
    return list;
}

void AppSession::CloseDropDown(HWND combo) const {
    Send(combo, CB_SHOWDROPDOWN, FALSE);
    Settle();
    if (!WaitUntil([&] { return OpenDropDownList() == nullptr; }))
        ReportFailure(__FILE__, __LINE__, "a drop-down list stayed open");
}

void AppSession::Type(int id, const std::string& text) const { Type(Get(id), text); }

void AppSession::Type(HWND control, const std::string& text) const {
    HWND target = control;
    if (lstrcmpiA(ClassName(control).c_str(), "ComboBox") == 0) target = ComboEdit(control);
    for (wchar_t c : Widen(text)) {
        PostMessageW(target, WM_CHAR, c, 1);
        ++postedSinceSettle_;
    }
    Settle();
}

void AppSession::PressKey(HWND control, UINT virtualKey, bool shift) const {
    std::optional<ShiftHeld> held;
    if (shift) held.emplace(threadId_);
    PostMessageW(control, WM_KEYDOWN, virtualKey, KeyLParam(virtualKey, false));
    ++postedSinceSettle_;
    Settle();
    // The key comes up wherever the focus is by then, as with a real keyboard.
    HWND focus = Focus();
    PostMessageW(focus ? focus : control, WM_KEYUP, virtualKey, KeyLParam(virtualKey, true));
    ++postedSinceSettle_;
    Settle();
}

void AppSession::PressKeyInFocus(UINT virtualKey, bool shift) const {
    HWND focus = Focus();
    PressKey(focus ? focus : window_, virtualKey, shift);
}

void AppSession::ReleaseKey(HWND control, UINT virtualKey) const {
    PostMessageW(control, WM_KEYUP, virtualKey, KeyLParam(virtualKey, true));
    ++postedSinceSettle_;
    Settle();
}

namespace {
UINT ButtonMessage(MouseButton button, bool down) {
    switch (button) {
        case MouseButton::kRight: return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
        case MouseButton::kMiddle: return down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
        default: return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    }
}
WPARAM ButtonFlag(MouseButton button) {
    switch (button) {
        case MouseButton::kRight: return MK_RBUTTON;
        case MouseButton::kMiddle: return MK_MBUTTON;
        default: return MK_LBUTTON;
    }
}
}  // namespace

void AppSession::MouseDown(HWND control, MouseButton button, POINT at) const {
    PostMessageW(control, ButtonMessage(button, true), ButtonFlag(button), MAKELPARAM(at.x, at.y));
    ++postedSinceSettle_;
    Settle();
}

void AppSession::MouseUp(HWND control, MouseButton button, POINT at) const {
    PostMessageW(control, ButtonMessage(button, false), 0, MAKELPARAM(at.x, at.y));
    ++postedSinceSettle_;
    Settle();
}

void AppSession::MouseMove(HWND control, POINT at) const {
    PostMessageW(control, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    ++postedSinceSettle_;
    Settle();
}

void AppSession::MouseWheel(HWND control, short delta) const {
    RECT rect{};
    GetWindowRect(control, &rect);
    PostMessageW(control, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)),
                 MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2));
    ++postedSinceSettle_;
    Settle();
}

void AppSession::Click(HWND control, POINT at) const {
    MouseDown(control, MouseButton::kLeft, at);
    MouseUp(control, MouseButton::kLeft, at);
}

void AppSession::PostCommand(int commandId) const {
    PostMessageW(window_, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
    ++postedSinceSettle_;
    Settle();
}

HWND AppSession::Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(threadId_, &info) ? info.hwndFocus : nullptr;
}

int AppSession::FocusId() const { return IdOf(Focus()); }

void AppSession::Settle(int extraPosted) const {
    // Each PeekMessage of the target's loop first handles sent messages and then hands out one
    // posted message, so one WM_NULL per posted message (and one more) drains what we posted.
    const int rounds = postedSinceSettle_ + extraPosted + 1;
    postedSinceSettle_ = 0;
    for (int i = 0; i < rounds; ++i) {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, kSendTimeoutMs, &result))
            return;  // busy or gone: the checks that follow will tell
    }
    // A handler that waits inside (focus changes, the X11 driver) answers sent messages without
    // taking a posted one, so the rounds above can end early on a loaded machine. Posted
    // messages are handed out in the order they were posted, so a harmless marker posted last
    // tells when all before it were dispatched: the NFO preview's modified flag, which the
    // program never reads.
    HWND marker = Find(ids::kNfoPreview);
    DWORD_PTR result = 0;
    if (!marker ||
        !SendMessageTimeoutW(marker, EM_SETMODIFY, FALSE, 0, SMTO_NORMAL, kSendTimeoutMs, &result))
        return;
    PostMessageW(marker, EM_SETMODIFY, TRUE, 0);
    WaitUntil([&] {
        DWORD_PTR modified = 0;
        return SendMessageTimeoutW(marker, EM_GETMODIFY, 0, 0, SMTO_NORMAL, kSendTimeoutMs,
                                   &modified) &&
               modified != 0;
    });
}

std::vector<HWND> AppSession::MessageBoxes() const {
    std::vector<HWND> boxes;
    for (HWND top : TopLevelWindows())
        if (IsWindowVisible(top) && ClassName(top) == "#32770") boxes.push_back(top);
    return boxes;
}

HWND AppSession::WaitForMessageBox(DWORD timeoutMs) const {
    HWND box = nullptr;
    WaitUntil(
        [&] {
            const std::vector<HWND> boxes = MessageBoxes();
            box = boxes.empty() ? nullptr : boxes.front();
            return box != nullptr;
        },
        timeoutMs);
    return box;
}

std::optional<SeenMessageBox> AppSession::AnswerNextMessageBox(int buttonId,
                                                               DWORD timeoutMs) const {
    HWND box = WaitForMessageBox(timeoutMs);
    if (!box) return std::nullopt;
    SeenMessageBox seen = ReadMessageBox(box);
    AnswerMessageBox(box, buttonId);
    if (!WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }))
        ReportFailure(__FILE__, __LINE__, "the message box did not close: " + seen.text);
    Settle();
    return seen;
}

std::vector<HWND> AppSession::PopupMenus() const {
    std::vector<HWND> menus;
    for (HWND top : TopLevelWindows())
        if (IsWindowVisible(top) && ClassName(top) == "#32768") menus.push_back(top);
    return menus;
}

void AppSession::DismissPopupMenus(DWORD waitForMenuMs) const {
    if (!WaitUntil([&] { return !PopupMenus().empty(); }, waitForMenuMs)) return;
    // The menu's own loop takes every message of the thread, whatever window it is for.
    HWND focus = Focus();
    PostMessageW(focus ? focus : window_, WM_KEYDOWN, VK_ESCAPE, KeyLParam(VK_ESCAPE, false));
    ++postedSinceSettle_;
    Settle();
    if (!WaitUntil([&] { return PopupMenus().empty(); }))
        ReportFailure(__FILE__, __LINE__, "a pop-up menu stayed open");
}

SeenMessageBox AppSession::ReadMessageBox(HWND box) {
    SeenMessageBox seen;
    seen.caption = Text(box);
    // The message is the longest text of a static child that is not the icon.
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (lstrcmpiA(ClassName(child).c_str(), "Static") != 0) continue;
        if ((GetWindowLongPtrA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) continue;
        std::string text = Text(child);
        if (text.size() > seen.text.size()) seen.text = std::move(text);
    }
    return seen;
}

void AppSession::AnswerMessageBox(HWND box, int buttonId) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, buttonId)));
}

void AppSession::PostClose() const { PostMessageW(window_, WM_CLOSE, 0, 0); }

std::optional<DWORD> AppSession::WaitForExit(DWORD timeoutMs) {
    if (!process_ || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

void AppSession::Kill() {
    if (!Running()) return;
    TerminateProcess(process_, 0xDEAD);
    WaitForSingleObject(process_, kCloseTimeoutMs);
}

}  // namespace glyphwright::guitest
