#pragma once
// A fresh folder for one test, removed with everything in it when the test ends.

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/files.h"

namespace glyphwright::testing {

class TempFolder {
public:
    TempFolder() {
        static std::atomic<unsigned> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        std::error_code error;
        const std::filesystem::path base = std::filesystem::temp_directory_path(error);
        for (unsigned attempt = 0; attempt < 1000; ++attempt) {
            const std::filesystem::path candidate =
                base / ("gw-test-" + std::to_string(stamp % 1000000007) + "-" + std::to_string(++counter));
            if (std::filesystem::create_directory(candidate, error)) {
                root_ = candidate;
                break;
            }
        }
        path_ = root_.string();
        path_ += platform::kPathSeparator;
    }
    ~TempFolder() {
        std::error_code error;
        // Read-only files would stop the removal on Windows.
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root_, error)) {
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::add, error);
        }
        std::filesystem::remove_all(root_, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder, ending with a separator.
    const std::string& Path() const { return path_; }
    std::string File(std::string_view name) const { return path_ + std::string(name); }

    void Write(std::string_view name, std::string_view bytes) const {
        std::ofstream out(File(name), std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    std::string Read(std::string_view name) const { return ReadFile(File(name)); }

    static std::string ReadFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static bool Exists(const std::string& path) {
        std::error_code error;
        return std::filesystem::exists(path, error);
    }
    static void MakeReadOnly(const std::string& path) {
        std::error_code error;
        std::filesystem::permissions(path,
                                     std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                         std::filesystem::perms::others_write,
                                     std::filesystem::perm_options::remove, error);
    }

private:
    std::filesystem::path root_;
    std::string path_;
};

}  // namespace glyphwright::testing
