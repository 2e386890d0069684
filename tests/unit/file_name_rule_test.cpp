// The file name rule that Save, Create Release and the companion share.

#include "output/file_name_rule.h"

#include <gtest/gtest.h>

#include <string>

namespace glyphwright {
namespace {

TEST(JudgeFileName, RefusesWhatWindowsWouldMisplaceAndNothingElse) {
    struct Case {
        unsigned codePage;
        std::string name;
        NameFault fault;
    };
    const Case cases[] = {
        {1252, "Glyph Tool 2.4", NameFault::None},
        {1252, "", NameFault::None},
        {1252, "Caf\xE9", NameFault::None},
        {1252, "v1.2 . final", NameFault::None},
        {1252, "My.Tool..Retail-XYZ.rar", NameFault::None},  // two dots inside a name are harmless
        {1252, "CON", NameFault::DeviceName},
        {1252, "nul", NameFault::DeviceName},
        {1252, "aux.txt", NameFault::DeviceName},
        {1252, "nul.nfo", NameFault::DeviceName},
        {1252, "Nul .txt", NameFault::DeviceName},
        {1252, "COM1", NameFault::DeviceName},
        {1252, "lpt9.rar", NameFault::DeviceName},
        {1252, "COM\xB9", NameFault::DeviceName},  // superscript one
        {1252, "COM0", NameFault::None},
        {1252, "COM10", NameFault::None},
        {1252, "CONSOLE", NameFault::None},
        {1252, "Tool.", NameFault::EndsInDotOrBlank},
        {1252, "Tool ", NameFault::EndsInDotOrBlank},
        {1252, "..", NameFault::FolderReference},
        {1252, ".", NameFault::FolderReference},
        {1252, "What?", NameFault::ReservedCharacter},
        {1252, "Star*", NameFault::ReservedCharacter},
        {1252, "Quote\"", NameFault::ReservedCharacter},
        {1252, "Less<", NameFault::ReservedCharacter},
        {1252, "More>", NameFault::ReservedCharacter},
        {1252, "Pipe|", NameFault::ReservedCharacter},
        {1252, "C:x", NameFault::ReservedCharacter},
        {1252, "a/b", NameFault::ReservedCharacter},
        {1252, "Outer\\Inner", NameFault::ReservedCharacter},
        {1252, "Tab\there", NameFault::ControlCharacter},
        {1252, std::string("NUL\0x", 5), NameFault::ControlCharacter},
        // In 1252 the bytes of a double-byte character are two characters: 0x5C is a backslash.
        {1252, "\x83\x5C", NameFault::ReservedCharacter},
        // In 932 a lead byte and the byte after it are one character.
        {932, "\x83\x5C", NameFault::None},          // katakana so
        {932, "\x95\x5C\x8E\xA6", NameFault::None},  // hyou-ji
        {932, "\x90\xE0\x96\xBE\x83\x65\x83\x4C\x83\x58\x83\x67", NameFault::None},
        {932, "\x83\x7C", NameFault::None},                  // second byte 0x7C, not a pipe
        {932, "\x83\x5C\\x", NameFault::ReservedCharacter},  // a real backslash after it
        {932, "Tool\x83", NameFault::HalfCharacter},
        {932, "\x83\x5C.", NameFault::EndsInDotOrBlank},
        {932, "CON.\x83\x5C", NameFault::DeviceName},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JudgeFileName(c.name, c.codePage).fault, c.fault)
            << c.codePage << " \"" << c.name << "\"";
    }
}

// The message names the field and the name, and gives the reason a user can act on.
TEST(NameRefusalText, SaysWhichNameAndWhy) {
    EXPECT_EQ(NameRefusalText("Team Name", "T?am", JudgeFileName("T?am", 1252), 1252),
              "The Team Name \"T?am\" cannot name a file or folder: it holds '?', and Windows "
              "allows none of "
              "< > : \" / \\ | ? * in a name.");
    const std::string device =
        NameRefusalText("archive name", "CON.rar", JudgeFileName("CON.rar", 1252), 1252);
    EXPECT_EQ(
        device.rfind(
            "The archive name \"CON.rar\" cannot name a file or folder: it is a device name", 0),
        0u)
        << device;
    // A control character shows as its byte, so the message stays one line.
    const std::string control = NameRefusalText("Name", "A\nB", JudgeFileName("A\nB", 1252), 1252);
    EXPECT_NE(control.find("\"A<0x0A>B\""), std::string::npos) << control;
    EXPECT_EQ(control.find('\n'), std::string::npos);
    // A long name is cut after a whole character.
    const std::string longName = std::string(79, 'x') + "\x83\x5C" + "tail.";
    const std::string cut = NameRefusalText("Name", longName, JudgeFileName(longName, 932), 932);
    EXPECT_NE(cut.find("\"" + std::string(79, 'x') + "...\""), std::string::npos) << cut;
}

}  // namespace
}  // namespace glyphwright
