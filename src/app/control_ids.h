#pragma once
// Control and command identifiers of the main window. The GUI test driver finds controls by
// these numbers, so they are part of the program's outside contract: never renumber.

#include <cstddef>

#include "model/form_item.h"

namespace glyphwright::ids {

// Menu commands, one per item.
enum Command : int {
    kCmdOpenProject = 101,
    kCmdSaveProject = 102,
    kCmdSaveNfoDiz = 103,
    kCmdCreateRelease = 104,
    kCmdExit = 105,
    kCmdMakeNfo = 201,
    kCmdMakeDiz = 202,
    kCmdViewNfo = 301,
    kCmdViewDiz = 302,
};

// Release fields: kFieldA + the field's row in the placeholder table.
constexpr int kFieldA = 1000;
constexpr int FieldId(char letter) { return kFieldA + static_cast<int>(ReleaseField(letter)); }

// A run of ids, one per row of a table, by the row's index: the numbers from `first` while
// they last (`room` of them), then on from `more`, so that a new row takes new numbers and the
// rows before it keep theirs.
constexpr int RunId(int first, int room, int more, std::size_t index) {
    const int n = static_cast<int>(index);
    return n < room ? first + n : more + n - room;
}

// Each archiver's radio button and options field, by the archiver's row in its table.
constexpr int ArchiverButtonId(Archiver archiver) {
    return RunId(1033, 2, 1060, static_cast<std::size_t>(archiver));  // then from 1060
}
constexpr int ArchiverOptionsId(Archiver archiver) {
    return RunId(1035, 5, 1070, static_cast<std::size_t>(archiver));  // then from 1070
}

enum Control : int {
    kDelimiter = 1030,
    kPackageTeam = 1031,
    kSpacer = 1032,
    // 1033, 1034 the archivers' buttons, 1035.. their options fields (ArchiverButtonId)

    kNfoTemplateBox = 1040,
    kDizTemplateBox = 1041,
    kNfoPreview = 1042,
    kDizPreview = 1043,
    kInformationView = 1044,
    kLogoBox = 1045,
    kTabControl = 1050,

    kFrameApplication = 1100,
    kFrameTeamInfo = 1101,
    kFrameReleaseInfo = 1102,
    kFramePackage = 1103,
    // 1104..1107 the text blocks' frames (TextBlockFrameId)
    kFrameNfoPreview = 1108,
    kFrameDizPreview = 1109,
    kFrameAboutText = 1110,
    kFrameAboutLogo = 1111,

    kPage0 = 1200,  // pages 0..4 are kPage0 + n

    kFirstLabel = 1300,  // labels are numbered from here in creation order
};

// Each text block's frame, by the block's place among the text blocks.
constexpr int TextBlockFrameId(char letter) {
    std::size_t place = 0;
    while (place < kTextBlockCount && kTextBlockLetters[place] != letter) ++place;
    return RunId(1104, 4, 1112, place);  // then from 1112
}

static_assert(kFieldA + static_cast<int>(kPlaceholderCount) <= kDelimiter, "the fields' ids run into the next");

}  // namespace glyphwright::ids
