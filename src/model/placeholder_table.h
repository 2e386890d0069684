#pragma once
// The placeholders "{A}".."{U}" of the release record, one row each. The substitution tags, the
// form's field lookup, the project file's rows, the text blocks' captions and the command-line
// checks are all read from this table; a new placeholder is a new row here (and a place for its
// control in the window's layout).

#include <array>
#include <cstddef>
#include <iterator>
#include <string>

namespace glyphwright {

enum class PlaceholderKind {
    LineValue,        // a single-line text, placed as typed
    Date,             // the release date as the date picker displays it
    DerivedFileName,  // File Name, derived from the Name; rendered with Delimiter and Team after it
    TextBlock,        // a multi-line box, laid into the NFO line by line
};

struct Placeholder {
    char letter;
    PlaceholderKind kind;
    const char* label;    // the form's name for it
    const char* section;  // where a project file keeps it
    const char* key;
};

// In letter order, with no gaps: the letter is also the field's index ('A' + n).
inline constexpr Placeholder kPlaceholders[] = {
    {'A', PlaceholderKind::LineValue, "Name", "APPLICATION", "Name"},
    {'B', PlaceholderKind::LineValue, "Copyright", "APPLICATION", "Copyright"},
    {'C', PlaceholderKind::LineValue, "Site", "APPLICATION", "Site"},
    {'D', PlaceholderKind::LineValue, "Language", "APPLICATION", "Langauge"},  // the key's spelling is the format's
    {'E', PlaceholderKind::LineValue, "Program type", "APPLICATION", "Type"},
    {'F', PlaceholderKind::LineValue, "Team Name", "TEAM", "Name"},
    {'G', PlaceholderKind::LineValue, "Supplied", "TEAM", "Supplied"},
    {'H', PlaceholderKind::LineValue, "Cracked", "TEAM", "Cracked"},
    {'I', PlaceholderKind::LineValue, "Coded", "TEAM", "Coded"},
    {'J', PlaceholderKind::LineValue, "Tested", "TEAM", "Tested"},
    {'K', PlaceholderKind::LineValue, "Packaged", "TEAM", "Packaged"},
    {'L', PlaceholderKind::LineValue, "Release type", "RELEASE", "Type"},
    {'M', PlaceholderKind::LineValue, "Protection", "RELEASE", "Protection"},
    {'N', PlaceholderKind::Date, "Release date", "RELEASE", "Date"},
    {'O', PlaceholderKind::LineValue, "Release size", "RELEASE", "Size"},
    {'P', PlaceholderKind::LineValue, "Operating system", "RELEASE", "Os"},
    {'Q', PlaceholderKind::DerivedFileName, "File Name", "RACKAGE", "Name"},
    {'R', PlaceholderKind::TextBlock, "Description", "INFO", "Description"},
    {'S', PlaceholderKind::TextBlock, "Install info", "INFO", "Install Info"},
    {'T', PlaceholderKind::TextBlock, "Other information", "INFO", "Other Information"},
    {'U', PlaceholderKind::TextBlock, "Greetings", "INFO", "Greetings"},
};

inline constexpr std::size_t kPlaceholderCount = std::size(kPlaceholders);
inline constexpr char kFirstPlaceholder = kPlaceholders[0].letter;
inline constexpr char kLastPlaceholder = kPlaceholders[kPlaceholderCount - 1].letter;

// The fields the program reads by name rather than by walking the table.
inline constexpr char kNameLetter = 'A';
inline constexpr char kTeamNameLetter = 'F';
inline constexpr char kReleaseTypeLetter = 'L';
inline constexpr char kFileNameLetter = 'Q';
inline constexpr char kInstallInfoLetter = 'S';
inline constexpr char kGreetingsLetter = 'U';

constexpr bool IsPlaceholderLetter(char letter) {
    return letter >= kFirstPlaceholder && letter <= kLastPlaceholder;
}

// The row of a letter; only for IsPlaceholderLetter letters.
constexpr const Placeholder& PlaceholderOf(char letter) {
    return kPlaceholders[static_cast<std::size_t>(letter - kFirstPlaceholder)];
}

constexpr bool IsTextBlock(char letter) {
    return IsPlaceholderLetter(letter) && PlaceholderOf(letter).kind == PlaceholderKind::TextBlock;
}

constexpr std::size_t CountTextBlocks() {
    std::size_t count = 0;
    for (const Placeholder& row : kPlaceholders) count += row.kind == PlaceholderKind::TextBlock;
    return count;
}

inline constexpr std::size_t kTextBlockCount = CountTextBlocks();
inline constexpr std::size_t kLineValueCount = kPlaceholderCount - kTextBlockCount;

// The letters of one side of the table in table order: the single-line placeholders in the
// order the substitution takes them, the text blocks in the order a rendering expands them.
template <std::size_t N>
constexpr std::array<char, N> LettersWhere(bool textBlocks) {
    std::array<char, N> letters{};
    std::size_t n = 0;
    for (const Placeholder& row : kPlaceholders) {
        if ((row.kind == PlaceholderKind::TextBlock) == textBlocks) letters[n++] = row.letter;
    }
    return letters;
}
inline constexpr std::array<char, kLineValueCount> kLineValueLetters = LettersWhere<kLineValueCount>(false);
inline constexpr std::array<char, kTextBlockCount> kTextBlockLetters = LettersWhere<kTextBlockCount>(true);

// A single-line letter's place in kLineValueLetters, which is also its place in a rendering's
// value table; kLineValueCount for any other letter.
constexpr std::size_t LineValueIndex(char letter) {
    for (std::size_t i = 0; i < kLineValueCount; ++i) {
        if (kLineValueLetters[i] == letter) return i;
    }
    return kLineValueCount;
}

constexpr bool TableIsInLetterOrder() {
    for (std::size_t i = 0; i < kPlaceholderCount; ++i) {
        if (kPlaceholders[i].letter != static_cast<char>(kFirstPlaceholder + i)) return false;
    }
    return true;
}
static_assert(TableIsInLetterOrder(), "placeholders run from 'A' without gaps");

// "{A}".
std::string PlaceholderTag(char letter);

// The start of a text block's frame caption ("{R} Description "), which the cursor position
// follows.
std::string TextBlockCaption(char letter);

}  // namespace glyphwright
