#pragma once
// The hand-edited configuration file beside the executable: drop-down lists, the default
// greetings, install texts per release type, archiver options and archiver paths. Only read,
// never written; anything missing reads as empty.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/archiver_table.h"
#include "model/form_item.h"

namespace glyphwright {

// Start folder + the executable's file name without its extension + ".ini".
std::string ConfigurationPath(std::string_view startFolder, std::string_view executableFileName);

// The running program's configuration file: ConfigurationPath of its own folder and name, so
// that a renamed copy reads a file of its own.
std::string ProgramConfigurationPath();

// A section whose lines are the entries of some drop-downs, and those drop-downs in the order
// the entries are handed to them.
struct ListSection {
    const char* section;
    std::vector<FormItem> dropDowns;
};

// The list sections of the placeholder table, in the order they are read.
const std::vector<ListSection>& ListSections();

// The section's lines in file order, each taken whole (an '=' and what follows stay in the
// entry); blank lines give none. Cut at the platform's 32767-character section buffer.
std::vector<std::string> ReadListEntries(const std::string& configurationPath, const char* section);

// "TEAM INFORMATION" / "Greetings" with its line-break tokens turned into CR LF.
std::string ReadGreetings(const std::string& configurationPath);

// "INSTALL INFO" / <release type>, line breaks restored; empty for a release type without an
// entry (an empty one included).
std::string ReadInstallInfo(const std::string& configurationPath, const std::string& releaseType);

// The options text of each archiver ("ARCHIVERS OPTION"). A missing key keeps the text held
// so far.
using ArchiverOptions = PerArchiver<std::string>;
void ReadArchiverOptions(const std::string& configurationPath, ArchiverOptions& options);

// "ARCHIVERS" / key: a path to an archiver, the default when the key is missing.
std::string ReadArchiverPath(const std::string& configurationPath, const std::string& key,
                             const std::string& defaultValue);

// The part of the form the configuration fills at start-up.
class ConfigurationForm {
public:
    virtual ~ConfigurationForm() = default;
    virtual void AppendListEntry(FormItem dropDown, const std::string& entry) = 0;
    // Sets a text block's whole text (the Greetings {U}).
    virtual void SetBlockText(FormItem block, const std::string& text) = 0;
};

// Reads the whole file into the form: every list section in order (line by line, each line to
// every drop-down its section feeds), the greetings, and the archiver options, which are held
// in `options` until the window is first shown. Without a file nothing changes. Making each
// drop-down's first entry current is left to the window, which must do it without running the
// drop-downs' change handlers.
void LoadConfiguration(const std::string& configurationPath, ConfigurationForm& form,
                       ArchiverOptions& options);

}  // namespace glyphwright
