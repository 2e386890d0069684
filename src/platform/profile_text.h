#pragma once
// A portable reader and writer of INI files that follows the rules of the platform's profile
// functions (GetPrivateProfileStringA and its relatives), so that a file reads the same on a
// system without them. The rules, as the platform applies them:
// - lines end at CR or LF; blanks, tabs, VT, FF and Ctrl-Z around a line, a name or a value are
//   dropped; blank lines are skipped;
// - a line starting with '[' that holds a ']' opens a section named by the text between the '['
//   and the last ']'; other lines are entries: a name, '=' and a value, or a name alone;
// - section and key names match without regard to ASCII case; the first matching section and,
//   within it, the first matching key count; a value's lookup trims the names it is given, a
//   section listing does not;
// - a value that begins and ends with the same quote character (' or ") loses that pair;
// - a value is cut to the caller's buffer size minus one, a section listing to the buffer size
//   minus two; a NUL byte ends the name or value that holds it;
// - a file that does not exist reads as an empty file; one that exists but cannot be read
//   answers every query with the default.
// A byte-order mark selects UTF-8 or UTF-16; such text is read as code page 1252.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glyphwright::platform {

class ProfileText {
public:
    // The content of a file that could be read.
    explicit ProfileText(std::string_view fileBytes);

    // A file that exists but could not be opened (locked, a folder).
    static ProfileText Unreadable();

    // GetPrivateProfileStringA with a key: the value, or the default (trailing blanks dropped,
    // one pair of quotes stripped) when the key is missing or has no '='.
    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view defaultValue, std::size_t bufferSize) const;

    // True when the key exists with an '=' (an empty value included).
    bool HasValue(std::string_view section, std::string_view key) const;

    // GetPrivateProfileSectionA: the section's entries as lines ("name=value" or "name"),
    // comment lines (';') and blank lines left out, cut to the buffer.
    std::vector<std::string> GetSectionLines(std::string_view section, std::size_t bufferSize) const;

    // GetPrivateProfileIntA: the leading number of the value (decimal, or 0x / 0o / 0b
    // prefixed, optionally signed, wrapping at 32 bits); the default for an empty or missing
    // value.
    int GetInt(std::string_view section, std::string_view key, int defaultValue) const;

    // Every section header and entry in file order, as the reader sees them, with the 1-based
    // line each stands on: what a checker needs to name keys that no query will ever ask for.
    // Entries before the first header belong to a section with an empty name and no line.
    struct Listed {
        std::string section;
        std::size_t sectionLine = 0;
        std::string key;          // empty for a section's header itself
        bool hasValue = false;    // an '=' follows the name
        std::size_t line = 0;
    };
    std::vector<Listed> List() const;

    // WritePrivateProfileStringA: the file's new bytes with the key set. Every other line keeps
    // its bytes; a new key goes after the last entry of its section, a new section at the end.
    // Empty when this text cannot be written back (it was not plain 8-bit text).
    std::optional<std::string> WithString(std::string_view section, std::string_view key,
                                          std::string_view value) const;

private:
    struct Entry {
        std::string name;
        std::optional<std::string> value;
        std::size_t lineBegin = 0;  // the line's trimmed text, for replacing it
        std::size_t lineEnd = 0;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
        std::size_t headerAt = 0;       // where the header's text starts
        std::size_t insertAt = 0;       // just after the last line that belongs to the section
        bool insertNeedsBreak = false;  // that line has no line break of its own
    };

    ProfileText() = default;
    void Parse();
    const Section* FindSection(std::string_view name, bool trimQuery = true) const;
    static const Entry* FindEntry(const Section& section, std::string_view key);

    bool readable_ = true;
    bool writable_ = true;
    std::string text_;
    std::vector<Section> sections_;
};

// The same services on a file: each call reads the file afresh, as the platform does.
ProfileText LoadProfileText(const std::string& path);

}  // namespace glyphwright::platform
