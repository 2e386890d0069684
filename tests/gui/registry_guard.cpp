#include "registry_guard.h"

namespace glyphwright::guitest {

RegistryKeyGuard::RegistryKeyGuard(HKEY root, std::string subKey)
    : root_(root), subKey_(std::move(subKey)) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root_, subKey_.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    existed_ = true;
    for (DWORD index = 0;; ++index) {
        char name[16384];
        DWORD nameLength = sizeof name;
        DWORD type = 0, size = 0;
        if (RegEnumValueA(key, index, name, &nameLength, nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS)
            break;
        Value value{std::string(name, nameLength), type, std::vector<BYTE>(size)};
        DWORD read = size;
        RegQueryValueExA(key, value.name.c_str(), nullptr, nullptr, value.data.data(), &read);
        value.data.resize(read);
        values_.push_back(std::move(value));
    }
    RegCloseKey(key);
}

RegistryKeyGuard::~RegistryKeyGuard() {
    Remove();
    if (!existed_) return;
    HKEY key = nullptr;
    if (RegCreateKeyExA(root_, subKey_.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    for (const Value& value : values_)
        RegSetValueExA(key, value.name.c_str(), 0, value.type, value.data.data(),
                       static_cast<DWORD>(value.data.size()));
    RegCloseKey(key);
}

bool RegistryKeyGuard::SetString(const std::string& name, const std::string& value) const {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root_, subKey_.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const LONG result =
        RegSetValueExA(key, name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

void RegistryKeyGuard::Remove() const { RegDeleteTreeA(root_, subKey_.c_str()); }

}  // namespace glyphwright::guitest
