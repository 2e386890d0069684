#pragma once
// The placeholders "{A}".."{U}" of the release record, one row each. The substitution tags, the
// form's field lookup, its labels and frame captions, the project file's rows, the configuration
// file's lists and the command-line checks are all read from this table; a new placeholder is a
// new row here (and a place for its control and label in the window's layout).

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

// A project file's section of the form's values, and the caption of the frame that groups their
// fields on the form (the text blocks have a frame each, captioned with the block's own name).
struct FormGroup {
    const char* section;
    const char* caption;
};
inline constexpr FormGroup kApplicationGroup = {"APPLICATION", "Application"};
inline constexpr FormGroup kTeamGroup = {"TEAM", "Team info"};
inline constexpr FormGroup kReleaseGroup = {"RELEASE", "Release info"};
inline constexpr FormGroup kPackageGroup = {"RACKAGE", "Package"};  // the format's spelling
inline constexpr FormGroup kInfoGroup = {"INFO", nullptr};

struct Placeholder {
    char letter;
    PlaceholderKind kind;
    const char* label;    // the form's name for it
    const char* section;  // where a project file keeps it
    const char* key;
    // The configuration file's section of entries for its drop-down, or none; and where in the
    // reading of the lists the drop-down is filled: ranks 1, 2, ... without gaps, the order the
    // program has always filled them in (a section's drop-downs stand together).
    const char* listSection = nullptr;
    int listRank = 0;
};

// In letter order, with no gaps: the letter is also the field's index ('A' + n).
inline constexpr Placeholder kPlaceholders[] = {
    {'A', PlaceholderKind::LineValue, "Name", kApplicationGroup.section, "Name"},
    {'B', PlaceholderKind::LineValue, "Copyright", kApplicationGroup.section, "Copyright"},
    {'C', PlaceholderKind::LineValue, "Site", kApplicationGroup.section, "Site"},
    // The key's spelling is the format's.
    {'D', PlaceholderKind::LineValue, "Language", kApplicationGroup.section, "Langauge", "LANGUAGE", 10},
    {'E', PlaceholderKind::LineValue, "Program type", kApplicationGroup.section, "Type", "PROGRAM TYPE", 11},
    {'F', PlaceholderKind::LineValue, "Team Name", kTeamGroup.section, "Name", "TEAM", 1},
    {'G', PlaceholderKind::LineValue, "Supplied", kTeamGroup.section, "Supplied", "MEMBERS", 2},
    {'H', PlaceholderKind::LineValue, "Cracked", kTeamGroup.section, "Cracked", "MEMBERS", 3},
    {'I', PlaceholderKind::LineValue, "Coded", kTeamGroup.section, "Coded", "MEMBERS", 5},
    {'J', PlaceholderKind::LineValue, "Tested", kTeamGroup.section, "Tested", "MEMBERS", 6},
    {'K', PlaceholderKind::LineValue, "Packaged", kTeamGroup.section, "Packaged", "MEMBERS", 4},
    {'L', PlaceholderKind::LineValue, "Release type", kReleaseGroup.section, "Type", "RELEASE TYPE", 7},
    {'M', PlaceholderKind::LineValue, "Protection", kReleaseGroup.section, "Protection", "PROTECTION", 8},
    {'N', PlaceholderKind::Date, "Release date", kReleaseGroup.section, "Date"},
    {'O', PlaceholderKind::LineValue, "Release size", kReleaseGroup.section, "Size", "RELEASE SIZE", 12},
    {'P', PlaceholderKind::LineValue, "Operating system", kReleaseGroup.section, "Os", "OS TYPE", 9},
    {'Q', PlaceholderKind::DerivedFileName, "File Name", kPackageGroup.section, "Name"},
    {'R', PlaceholderKind::TextBlock, "Description", kInfoGroup.section, "Description"},
    {'S', PlaceholderKind::TextBlock, "Install info", kInfoGroup.section, "Install Info"},
    {'T', PlaceholderKind::TextBlock, "Other information", kInfoGroup.section, "Other Information"},
    {'U', PlaceholderKind::TextBlock, "Greetings", kInfoGroup.section, "Greetings"},
};

inline constexpr std::size_t kPlaceholderCount = std::size(kPlaceholders);
inline constexpr char kFirstPlaceholder = kPlaceholders[0].letter;
inline constexpr char kLastPlaceholder = kPlaceholders[kPlaceholderCount - 1].letter;

// The fields the program reads by name rather than by walking the table.
inline constexpr char kNameLetter = 'A';
inline constexpr char kTeamNameLetter = 'F';
inline constexpr char kReleaseTypeLetter = 'L';
inline constexpr char kReleaseDateLetter = 'N';
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

constexpr int RowsOfListRank(int rank) {
    int rows = 0;
    for (const Placeholder& row : kPlaceholders) rows += row.listSection && row.listRank == rank;
    return rows;
}

// The row whose drop-down the configuration's lists fill rank-th; nullptr where no row or
// several rows have that rank.
constexpr const Placeholder* ListFilledAt(int rank) {
    if (RowsOfListRank(rank) != 1) return nullptr;
    for (const Placeholder& row : kPlaceholders) {
        if (row.listSection && row.listRank == rank) return &row;
    }
    return nullptr;
}

constexpr int CountLists() {
    int count = 0;
    for (const Placeholder& row : kPlaceholders) count += row.listSection != nullptr;
    return count;
}
inline constexpr int kListCount = CountLists();

// Compares counts, not pointers: the sanitized build does not take a pointer test as constant.
constexpr bool ListRanksRunFromOne() {
    for (int rank = 1; rank <= kListCount; ++rank) {
        if (RowsOfListRank(rank) != 1) return false;
    }
    return true;
}
static_assert(ListRanksRunFromOne(), "each drop-down with a list has a rank of its own, from 1 without gaps");

// "{A}".
std::string PlaceholderTag(char letter);

// The start of a text block's frame caption ("{R} Description "), which the cursor position
// follows.
std::string TextBlockCaption(char letter);

}  // namespace glyphwright
