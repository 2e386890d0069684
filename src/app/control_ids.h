#pragma once
// Control and command identifiers of the main window. The GUI test driver finds controls by
// these numbers, so they are part of the program's outside contract: never renumber.

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

// Release fields {A}..{U}: kFieldA + letter index ('A' -> 0 ... 'U' -> 20).
constexpr int kFieldA = 1000;
constexpr int FieldId(char letter) { return kFieldA + (letter - 'A'); }

enum Control : int {
    kDelimiter = 1030,
    kPackageTeam = 1031,
    kSpacer = 1032,
    kWinRarButton = 1033,
    kSevenZipButton = 1034,
    kWinRarOptions = 1035,
    kSevenZipOptions = 1036,

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

}  // namespace glyphwright::ids
