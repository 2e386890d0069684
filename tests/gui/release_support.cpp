#include "release_support.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "gui_framework.h"

namespace glyphwright::guitest {

namespace {

constexpr char kAppPaths[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
// The program looks in its own view first, then in the other one.
constexpr REGSAM kViews[] = {KEY_WOW64_64KEY, KEY_WOW64_32KEY};

std::string KeyName(ArchiverKind kind) {
    return std::string(kAppPaths) + (kind == ArchiverKind::WinRar ? "WinRAR.exe" : "7zFM.exe");
}

std::string WithSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
    return folder;
}

std::string DriverFolder() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path = self;
    return path.substr(0, path.find_last_of('\\') + 1);
}

bool CopyInto(const std::string& from, const std::string& to) {
    if (CopyFileA(from.c_str(), to.c_str(), FALSE)) return true;
    ReportFailure(__FILE__, __LINE__, "cannot copy " + from + " to " + to);
    return false;
}

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            const std::string path = folder + "\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(path);
            else DeleteFileA(path.c_str());
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

HWND FileNameBox(HWND dialog) {
    // Explorer-style dialogs name the box cmb13 (a combo) or edt1, depending on the system.
    for (int id : {0x47C, 0x480}) {
        if (HWND box = GetDlgItem(dialog, id)) return box;
    }
    return nullptr;
}

}  // namespace

std::string SevenZipSource() {
    for (std::string folder : {Options().sevenZipDir, DriverFolder() + "sevenzip"}) {
        if (folder.empty()) continue;
        folder = WithSeparator(folder);
        if (GetFileAttributesA((folder + "7z.exe").c_str()) != INVALID_FILE_ATTRIBUTES &&
            GetFileAttributesA((folder + "7z.dll").c_str()) != INVALID_FILE_ATTRIBUTES)
            return folder;
    }
    ReportFailure(__FILE__, __LINE__,
                  "no 7-Zip to install: run scripts/fetch-7zip DIR and pass --sevenzip DIR");
    return {};
}

ArchiverBench::ArchiverBench() {
    static int counter = 0;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    char name[80];
    std::snprintf(name, sizeof name, "gw archivers %lu-%d\\", GetCurrentProcessId(), ++counter);
    folder_ = std::string(temp) + name;
    CreateDirectoryA(folder_.c_str(), nullptr);

    for (ArchiverKind kind : {ArchiverKind::WinRar, ArchiverKind::SevenZip}) {
        for (REGSAM view : kViews) {
            SavedKey key;
            key.view = view;
            key.subKey = KeyName(kind);
            HKEY handle = nullptr;
            if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.subKey.c_str(), 0, KEY_READ | view, &handle) ==
                ERROR_SUCCESS) {
                key.existed = true;
                for (DWORD index = 0;; ++index) {
                    char valueName[512];
                    DWORD nameSize = sizeof valueName;
                    DWORD type = 0;
                    std::vector<BYTE> data(32768);
                    DWORD dataSize = static_cast<DWORD>(data.size());
                    if (RegEnumValueA(handle, index, valueName, &nameSize, nullptr, &type, data.data(),
                                      &dataSize) != ERROR_SUCCESS)
                        break;
                    data.resize(dataSize);
                    key.values.push_back({valueName, {type, data}});
                }
                RegCloseKey(handle);
                RegDeleteKeyExA(HKEY_LOCAL_MACHINE, key.subKey.c_str(), view, 0);
            }
            saved_.push_back(std::move(key));
        }
    }
}

ArchiverBench::~ArchiverBench() {
    for (const SavedKey& key : saved_) {
        RegDeleteKeyExA(HKEY_LOCAL_MACHINE, key.subKey.c_str(), key.view, 0);
        if (!key.existed) continue;
        HKEY handle = nullptr;
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.subKey.c_str(), 0, nullptr, 0,
                            KEY_WRITE | key.view, nullptr, &handle, nullptr) != ERROR_SUCCESS)
            continue;
        for (const auto& value : key.values) {
            RegSetValueExA(handle, value.first.c_str(), 0, value.second.first, value.second.second.data(),
                           static_cast<DWORD>(value.second.second.size()));
        }
        RegCloseKey(handle);
    }
    // A program may hold a file for a moment after it ended.
    const std::string folder = folder_.substr(0, folder_.size() - 1);
    WaitUntil([&] {
        RemoveTree(folder);
        return GetFileAttributesA(folder.c_str()) == INVALID_FILE_ATTRIBUTES;
    }, 5000);
}

std::string ArchiverBench::InstallSevenZip(const std::string& sub, bool withDll) const {
    const std::string source = SevenZipSource();
    const std::string target = folder_ + sub + "\\";
    CreateDirectoryA(target.c_str(), nullptr);
    if (source.empty()) return target;
    CopyInto(source + "7z.exe", target + "7zG.exe");
    if (withDll) CopyInto(source + "7z.dll", target + "7z.dll");
    return target;
}

std::string ArchiverBench::InstallWinRar(const std::string& sub) const {
    const std::string target = folder_ + sub + "\\";
    CreateDirectoryA(target.c_str(), nullptr);
    CopyInto(DriverFolder() + "winrar_stub.exe", target + "WinRAR.exe");
    return target;
}

void ArchiverBench::Register(ArchiverKind kind, const std::string& value, DWORD type) const {
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, KeyName(kind).c_str(), 0, nullptr, 0,
                        KEY_WRITE | KEY_WOW64_64KEY, nullptr, &handle, nullptr) != ERROR_SUCCESS) {
        ReportFailure(__FILE__, __LINE__, "cannot create " + KeyName(kind));
        return;
    }
    RegSetValueExA(handle, nullptr, 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(handle);
}

bool ArchiverBench::KeyExists(ArchiverKind kind) const {
    for (REGSAM view : kViews) {
        HKEY handle = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, KeyName(kind).c_str(), 0, KEY_READ | view, &handle) ==
            ERROR_SUCCESS) {
            RegCloseKey(handle);
            return true;
        }
    }
    return false;
}

std::vector<WinRarCall> WinRarCalls(const std::string& folder) {
    std::vector<WinRarCall> calls;
    std::optional<std::string> log = ReadBytes(folder + "winrar-calls.log");
    if (!log) return calls;
    for (const std::string& line : SplitLines(*log)) {
        if (line.rfind("command: ", 0) == 0) calls.push_back({line.substr(9), {}});
        else if (line.rfind("seen: ", 0) == 0 && !calls.empty()) calls.back().seen.push_back(line.substr(6));
    }
    return calls;
}

std::optional<std::vector<ArchiveEntry>> ListArchive(const std::string& archive) {
    const std::string source = SevenZipSource();
    if (source.empty()) return std::nullopt;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return std::nullopt;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    std::string commandLine = "\"" + source + "7z.exe\" l -slt \"" + archive + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION info{};
    const BOOL started = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE,
                                        CREATE_NO_WINDOW, nullptr, nullptr, &startup, &info);
    CloseHandle(writeEnd);
    if (!started) {
        CloseHandle(readEnd);
        return std::nullopt;
    }
    std::string output;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) output.append(buffer, got);
    CloseHandle(readEnd);
    WaitForSingleObject(info.hProcess, 30000);
    DWORD code = 1;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    if (code != 0) {
        ReportNote("7z l: " + output);
        return std::nullopt;
    }
    // Entries follow the line of dashes, one block of "Key = value" lines each.
    std::vector<ArchiveEntry> entries;
    bool inEntries = false;
    for (const std::string& line : SplitLines(output)) {
        if (line.rfind("----------", 0) == 0) {
            inEntries = true;
        } else if (inEntries && line.rfind("Path = ", 0) == 0) {
            entries.push_back({line.substr(7), 0});
        } else if (inEntries && line.rfind("Size = ", 0) == 0 && !entries.empty()) {
            entries.back().size = std::strtoull(line.c_str() + 7, nullptr, 10);
        }
    }
    std::sort(entries.begin(), entries.end(),
              [](const ArchiveEntry& a, const ArchiveEntry& b) { return a.path < b.path; });
    return entries;
}

HWND WaitForFileDialog(const AppSession& app) {
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND box : app.MessageBoxes()) {
            if (FileNameBox(box)) {
                found = box;
                return true;
            }
        }
        return false;
    });
    return found;
}

std::string FileDialogName(HWND dialog) {
    HWND box = FileNameBox(dialog);
    return box ? AppSession::Text(box) : std::string();
}

void SubmitFileDialog(const AppSession& app, HWND dialog, const std::string& name) {
    HWND box = FileNameBox(dialog);
    REQUIRE(box != nullptr);
    const std::wstring wide = Widen(name);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()), SMTO_NORMAL,
                        5000, &result);
    CHECK_EVENTUALLY_EQ(AppSession::Text(box), name);
    AppSession::AnswerMessageBox(dialog, IDOK);
    (void)app;
}

void CancelFileDialog(const AppSession& app, HWND dialog) {
    AppSession::AnswerMessageBox(dialog, IDCANCEL);
    WaitForWindowGone(dialog);
    app.Settle();
}

HWND WaitForBoxOver(const AppSession& app, HWND dialog, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND box : app.MessageBoxes()) {
            if (box != dialog && GetWindow(box, GW_OWNER) == dialog) {
                found = box;
                return true;
            }
        }
        return false;
    }, timeoutMs);
    return found;
}

bool WaitForWindowGone(HWND window, DWORD timeoutMs) {
    return WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, timeoutMs);
}

std::optional<std::string> ReadBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

std::string JoinNames(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& name : names) joined += (joined.empty() ? "" : " | ") + name;
    return joined;
}

std::ostream& operator<<(std::ostream& out, const std::vector<ArchiveEntry>& entries) {
    for (const ArchiveEntry& entry : entries) out << "[" << entry.path << " " << entry.size << "]";
    return out;
}

std::string FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((WithSeparator(folder) + "*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return {};
    do {
        const std::string name = entry.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return JoinNames(names);
}

bool PathIsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void ClickListEntry(const AppSession& app, int listId, int index) {
    HWND list = app.Get(listId);
    const int height = static_cast<int>(app.Send(list, LB_GETITEMHEIGHT, 0, 0));
    const int top = static_cast<int>(app.Send(list, LB_GETTOPINDEX, 0, 0));
    app.Click(list, {5, (index - top) * height + height / 2});
    app.Settle();
    CHECK_EVENTUALLY_EQ(static_cast<int>(app.Send(list, LB_GETCARETINDEX, 0, 0)), index);
}

bool ButtonEnabled(const AppSession& app, int id) { return IsWindowEnabled(app.Get(id)) != FALSE; }

bool ButtonChecked(const AppSession& app, int id) {
    return app.Send(app.Get(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

}  // namespace glyphwright::guitest
