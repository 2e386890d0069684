#pragma once
// Scenarios that register or hide programs (the archivers' App Paths entries) change the Wine
// prefix's registry, which every later scenario shares. A guard records one key as it was and
// puts it back when the scenario ends: its values restored, or the key removed if it did not
// exist before (the program itself creates missing App Paths keys when it looks them up).

#include <windows.h>

#include <string>
#include <vector>

namespace glyphwright::guitest {

class RegistryKeyGuard {
public:
    RegistryKeyGuard(HKEY root, std::string subKey);
    ~RegistryKeyGuard();
    RegistryKeyGuard(const RegistryKeyGuard&) = delete;
    RegistryKeyGuard& operator=(const RegistryKeyGuard&) = delete;

    // Sets a string value (empty name: the key's default value), creating the key if needed.
    bool SetString(const std::string& name, const std::string& value) const;
    // Removes the key and everything under it, as on a system where nothing is registered.
    void Remove() const;

private:
    struct Value {
        std::string name;
        DWORD type;
        std::vector<BYTE> data;
    };
    HKEY root_;
    std::string subKey_;
    bool existed_ = false;
    std::vector<Value> values_;
};

}  // namespace glyphwright::guitest
