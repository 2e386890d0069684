#include "model/configuration.h"

#include <cstring>

#include "model/line_breaks.h"
#include "platform/files.h"
#include "platform/ini_profile.h"
#include "platform/path_text.h"

namespace glyphwright {
namespace {

constexpr char kGreetingsSection[] = "TEAM INFORMATION";
constexpr char kGreetingsKey[] = "Greetings";
constexpr char kInstallInfoSection[] = "INSTALL INFO";
constexpr char kOptionsSection[] = "ARCHIVERS OPTION";
constexpr char kArchiversSection[] = "ARCHIVERS";

// The profile functions trim these around a key name; a name of nothing else is no name.
bool IsBlankName(std::string_view name) {
    return name.find_first_not_of(" \t\v\f\r\n\x1a") == std::string_view::npos;
}

}  // namespace

std::string ConfigurationPath(std::string_view startFolder, std::string_view executableFileName) {
    std::string_view base = executableFileName;
    const std::size_t dot = base.find_last_of('.');
    if (dot != std::string_view::npos) base = base.substr(0, dot);
    std::string path(startFolder);
    path.append(base);
    path += ".ini";
    return path;
}

std::string ProgramConfigurationPath() {
    return ConfigurationPath(platform::StartFolder(), platform::ExecutableFileName());
}

const std::vector<ListSection>& ListSections() {
    static const std::vector<ListSection> sections = [] {
        std::vector<ListSection> made;
        for (int rank = 1; rank <= kListCount; ++rank) {
            const Placeholder* field = ListFilledAt(rank);
            if (made.empty() || std::strcmp(made.back().section, field->listSection) != 0) {
                made.push_back({field->listSection, {}});
            }
            made.back().dropDowns.push_back(ReleaseField(field->letter));
            // The Package group's Team offers the same names as the team's own field.
            if (field->letter == kTeamNameLetter) made.back().dropDowns.push_back(FormItem::PackageTeam);
        }
        return made;
    }();
    return sections;
}

std::vector<std::string> ReadListEntries(const std::string& configurationPath, const char* section) {
    return platform::ReadProfileSectionLines(configurationPath, section, platform::kProfileSectionBuffer);
}

std::string ReadGreetings(const std::string& configurationPath) {
    return ConvertLineBreaks(
        platform::ReadProfileString(configurationPath, kGreetingsSection, kGreetingsKey, ""),
        LineBreakDirection::FromTokens);
}

std::string ReadInstallInfo(const std::string& configurationPath, const std::string& releaseType) {
    // An empty key would name the file's nameless entries ("=text"); an empty release type
    // has no install text.
    if (IsBlankName(releaseType)) return std::string();
    return ConvertLineBreaks(
        platform::ReadProfileString(configurationPath, kInstallInfoSection, releaseType, ""),
        LineBreakDirection::FromTokens);
}

void ReadArchiverOptions(const std::string& configurationPath, ArchiverOptions& options) {
    // A missing key keeps the text held so far exactly: handed to the platform as a default it
    // would lose its trailing blanks and surrounding quotes.
    for (const ArchiverRow& row : kArchivers) {
        if (auto value = platform::ReadProfileValue(configurationPath, kOptionsSection, row.optionsKey,
                                                    platform::kProfileValueBuffer)) {
            options[row.archiver] = *value;
        }
    }
}

std::string ReadArchiverPath(const std::string& configurationPath, const std::string& key,
                             const std::string& defaultValue) {
    std::optional<std::string> value = platform::ReadProfileValue(
        configurationPath, kArchiversSection, key, platform::kProfileValueBuffer);
    // The file holds text of the system code page; a path is UTF-8 like every other one.
    return value ? platform::PathFromAnsi(*value) : defaultValue;
}

void LoadConfiguration(const std::string& configurationPath, ConfigurationForm& form,
                       ArchiverOptions& options) {
    if (!platform::FileExists(configurationPath)) return;
    for (const ListSection& list : ListSections()) {
        for (const std::string& entry : ReadListEntries(configurationPath, list.section)) {
            for (FormItem dropDown : list.dropDowns) form.AppendListEntry(dropDown, entry);
        }
    }
    form.SetBlockText(ReleaseField(kGreetingsLetter), ReadGreetings(configurationPath));
    ReadArchiverOptions(configurationPath, options);
}

}  // namespace glyphwright
