#pragma once
// Control and command identifiers of the main window. The GUI test driver finds controls by
// these numbers, so they are part of the program's outside contract: never renumber.

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

// Each archiver's radio button and options field: the first + the archiver's row in its table.
constexpr int kArchiverButton0 = 1033;
constexpr int kArchiverOptions0 = 1035;
constexpr int ArchiverButtonId(Archiver archiver) { return kArchiverButton0 + static_cast<int>(archiver); }
constexpr int ArchiverOptionsId(Archiver archiver) { return kArchiverOptions0 + static_cast<int>(archiver); }

enum Control : int {
    kDelimiter = 1030,
    kPackageTeam = 1031,
    kSpacer = 1032,
    // 1033.. the archivers' buttons, 1035.. their options fields (above)

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
    kFrameDescription = 1104,  // {R}
    kFrameInstallInfo = 1105,  // {S}
    kFrameOtherInformation = 1106,  // {T}
    kFrameGreetings = 1107,  // {U}
    kFrameNfoPreview = 1108,
    kFrameDizPreview = 1109,
    kFrameAboutText = 1110,
    kFrameAboutLogo = 1111,

    kPage0 = 1200,  // pages 0..4 are kPage0 + n

    kFirstLabel = 1300,  // labels are numbered from here in creation order
};

static_assert(kFieldA + static_cast<int>(kPlaceholderCount) <= kDelimiter, "the fields' ids run into the next");
// Two archivers fill the buttons' run; a third one's controls need a free run of ids, as the
// numbers of the first two stay what they are.
static_assert(kArchiverButton0 + static_cast<int>(kArchiverCount) <= kArchiverOptions0 &&
                  kArchiverOptions0 + static_cast<int>(kArchiverCount) <= kNfoTemplateBox,
              "the archivers' ids run into the next");

}  // namespace glyphwright::ids
