#include <windows.h>

#include <vector>

#include "platform/registry.h"
#include "platform/wide_text.h"

namespace glyphwright::platform {
namespace {

constexpr char kAppPathsKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey() {
        if (key_ != nullptr) RegCloseKey(key_);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    HKEY* Out() { return &key_; }
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

bool IsWindows64() {
#ifdef _WIN64
    return true;
#else
    using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);
    const auto isWow64Process = reinterpret_cast<IsWow64ProcessFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "IsWow64Process")));
    BOOL wow64 = FALSE;
    return isWow64Process != nullptr && isWow64Process(GetCurrentProcess(), &wow64) && wow64;
#endif
}

// Wide strings here: an archiver installed in a folder outside the system code page keeps
// its path (UTF-8, as every path in the program).
std::string Expand(const WideText& text) {
    DWORD size = ExpandEnvironmentStringsW(text.data(), nullptr, 0);
    for (int attempt = 0; attempt < 4 && size != 0; ++attempt) {
        WideText buffer(size + 1, L'\0');
        const DWORD needed = ExpandEnvironmentStringsW(text.data(), buffer.data(), size + 1);
        if (needed == 0) break;
        if (needed <= size + 1) return Narrow(buffer.data());
        size = needed;
    }
    return Narrow(text.data());
}

// The default value in one registry view; nothing when the key or the value is missing.
std::optional<std::string> ReadDefaultValue(const std::string& keyPath, REGSAM view) {
    RegistryKey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, Widen(keyPath).data(), 0, KEY_READ | view, key.Out()) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExW(key.Get(), nullptr, nullptr, &type, nullptr, &size);
    if (status != ERROR_SUCCESS) return std::nullopt;
    WideText data;
    // The value may grow between the two calls; ask again until it fits.
    for (int attempt = 0; attempt < 4; ++attempt) {
        data.assign(size / sizeof(wchar_t) + 2, L'\0');
        DWORD filled = size;
        status = RegQueryValueExW(key.Get(), nullptr, nullptr, &type,
                                  reinterpret_cast<BYTE*>(data.data()), &filled);
        if (status == ERROR_MORE_DATA) {
            size = filled;
            continue;
        }
        if (status != ERROR_SUCCESS) return std::nullopt;
        size = filled;
        break;
    }
    if (status != ERROR_SUCCESS) return std::nullopt;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::string();
    // A stored string need not carry its terminating NUL; the buffer has one after it anyway.
    data.resize(size / sizeof(wchar_t));
    data.push_back(L'\0');
    return type == REG_EXPAND_SZ ? Expand(data) : Narrow(data.data());
}

}  // namespace

std::optional<std::string> ReadAppPath(const std::string& programName) {
    const std::string keyPath = kAppPathsKey + programName;
    if (std::optional<std::string> value = ReadDefaultValue(keyPath, 0)) return value;
    if (!IsWindows64()) return std::nullopt;
#ifdef _WIN64
    return ReadDefaultValue(keyPath, KEY_WOW64_32KEY);
#else
    return ReadDefaultValue(keyPath, KEY_WOW64_64KEY);
#endif
}

}  // namespace glyphwright::platform
