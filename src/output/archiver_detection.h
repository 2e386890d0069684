#pragma once
// Finding WinRAR and 7-Zip once at start-up: the registry's App Paths first, the configuration
// file's "ARCHIVERS" paths only when the registry yields no usable archiver at all.

#include <optional>
#include <string>
#include <string_view>

#include "model/archiver_table.h"

namespace glyphwright {

// What the detection asks of the outside world; tests hand in their own answers.
class ArchiverProbes {
public:
    virtual ~ArchiverProbes() = default;
    // The App Paths default value for the archiver; nothing when the key or value is missing.
    virtual std::optional<std::string> RegisteredPath(Archiver archiver) = 0;
    // "ARCHIVERS" / key from the configuration file, the default when missing.
    virtual std::string ConfiguredPath(const std::string& key, const std::string& defaultValue) = 0;
    virtual bool FileExists(const std::string& path) = 0;
};

// The App Paths key names of the archiver table.
PerArchiver<std::string> StandardAppPathsKeys();

// The probes of the running system.
class SystemArchiverProbes : public ArchiverProbes {
public:
    // The App Paths key names are the archivers' own unless a test names others.
    explicit SystemArchiverProbes(std::string configurationPath,
                                  PerArchiver<std::string> appPathsKeys = StandardAppPathsKeys());
    std::optional<std::string> RegisteredPath(Archiver archiver) override;
    std::string ConfiguredPath(const std::string& key, const std::string& defaultValue) override;
    bool FileExists(const std::string& path) override;

private:
    std::string configurationPath_;
    PerArchiver<std::string> appPathsKeys_;
};

struct FoundArchiver {
    // The registered (or configured) path; kept even when its files were not found.
    std::string path;
    bool enabled = false;
    bool selected = false;
};

struct ArchiverDetection : PerArchiver<FoundArchiver> {
    bool showNoArchiverMessage = false;
};

// Enables the button of each archiver found and selects at most one, the first found in table
// order.
ArchiverDetection DetectArchivers(ArchiverProbes& probes);

// The path up to and including its last ':', '\' or '/'; empty when it holds none.
std::string ArchiverFolder(std::string_view path);

// A registry value wrapped in double quotes, without them.
std::string Unquoted(std::string_view path);

// Shown, system-modal and without owner, with the main window's caption as title, when
// neither archiver is found.
inline constexpr char kNoArchiverMessage[] =
    "In the system of archivers are not registered!\r\n"
    "Please install WinRar or 7zip, or specify a path\r\n"
    "in the configuration file.";

}  // namespace glyphwright
