#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace glyphwright::platform {
namespace {

// A few entries checked against the published code pages, so a slip while carrying the tables
// over would show.
TEST(CodePageTables, KnownEntries) {
    for (int byte = 0; byte < 0x80; ++byte) {
        EXPECT_EQ(kAnsiToOemTable[byte], byte) << "ASCII maps to itself: " << byte;
    }
    EXPECT_EQ(kAnsiToOemTable[0xE9], 0x82);  // e acute
    EXPECT_EQ(kAnsiToOemTable[0xC4], 0x8E);  // A umlaut
    EXPECT_EQ(kAnsiToOemTable[0xDF], 0xE1);  // sharp s
    EXPECT_EQ(kAnsiToOemTable[0xA0], 0xFF);  // no-break space

    for (int byte = 'A'; byte <= 'Z'; ++byte) EXPECT_EQ(kAnsiLowerTable[byte], byte + 32);
    EXPECT_EQ(kAnsiLowerTable[0xC4], 0xE4);
    EXPECT_EQ(kAnsiLowerTable[0xD7], 0xD7);  // the multiplication sign has no case
    EXPECT_EQ(kAnsiLowerTable[0x8A], 0x9A);  // S caron
    EXPECT_EQ(kAnsiLowerTable[0x9F], 0xFF);  // Y diaeresis
    EXPECT_EQ(kAnsiLowerTable['['], '[');
}

TEST(CodePage, InPlaceMappingsFollowTheTablesOnThisSystem) {
    std::string bytes(256, '\0');
    for (int i = 0; i < 256; ++i) bytes[i] = static_cast<char>(i);
    std::string oem = bytes, lower = bytes;
    AnsiToOemInPlace(oem.data(), oem.size());
    AnsiLowerInPlace(lower.data(), lower.size());
#ifdef _WIN32
    if (GetACP() != 1252 || GetOEMCP() != 437) {
        GTEST_SKIP() << "the tables describe ANSI 1252 / OEM 437; this system uses " << GetACP()
                     << " / " << GetOEMCP();
    }
#endif
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(static_cast<unsigned char>(oem[i]), kAnsiToOemTable[i]) << "to OEM, byte " << i;
        EXPECT_EQ(static_cast<unsigned char>(lower[i]), kAnsiLowerTable[i]) << "lower, byte " << i;
    }
}

#ifdef _WIN32
// The system calls themselves, byte by byte, against the tables the portable build uses.
TEST(CodePage, TablesMatchTheSystemCalls) {
    if (GetACP() != 1252 || GetOEMCP() != 437) GTEST_SKIP() << "not ANSI 1252 / OEM 437";
    for (int i = 0; i < 256; ++i) {
        char in[1] = {static_cast<char>(i)};
        char out[1] = {0};
        CharToOemBuffA(in, out, 1);
        EXPECT_EQ(static_cast<unsigned char>(out[0]), kAnsiToOemTable[i]) << "CharToOemBuffA " << i;
        char lower[1] = {static_cast<char>(i)};
        CharLowerBuffA(lower, 1);
        EXPECT_EQ(static_cast<unsigned char>(lower[0]), kAnsiLowerTable[i])
            << "CharLowerBuffA " << i;
    }
}

// The lead bytes the portable build knows, against the system's own answer for every byte of
// each double-byte page and of a single-byte one, which has none.
TEST(CodePage, LeadByteRangesMatchTheSystem) {
    for (const unsigned codePage : {932u, 936u, 949u, 950u, 1252u}) {
        for (int byte = 0; byte < 256; ++byte) {
            bool inTable = false;
            for (const LeadByteRange& range : kLeadByteRanges) {
                inTable = inTable ||
                          (range.codePage == codePage && byte >= range.first && byte <= range.last);
            }
            EXPECT_EQ(IsDBCSLeadByteEx(codePage, static_cast<BYTE>(byte)) != FALSE, inTable)
                << "code page " << codePage << ", byte " << byte;
        }
    }
}

// Given the code pages, the conversion maps whole characters and keeps the length: 932 into
// itself keeps each double-byte character, and into 437, which has none of them, each becomes
// two '?' so the columns after it stay where they were.
TEST(CodePage, ConvertsDoubleByteCharactersWhole) {
    const std::string text = "\x90\xE0\x96\xBE\x83\x65\x83\x4C\x83\x58\x83\x67 \x95\x5C|";
    std::string same = text;
    AnsiToOemInPlace(932, 932, same.data(), same.size());
    EXPECT_EQ(same, text);
    std::string narrowed = text;
    AnsiToOemInPlace(932, 437, narrowed.data(), narrowed.size());
    EXPECT_EQ(narrowed, std::string(12, '?') + " ??|");
    std::string western = "Caf\xE9";
    AnsiToOemInPlace(1252, 437, western.data(), western.size());
    EXPECT_EQ(western, "Caf\x82");
}
#endif

}  // namespace
}  // namespace glyphwright::platform
