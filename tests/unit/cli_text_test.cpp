// The command-line companion's pure pieces: wrapping like the window's text boxes, the CP437
// glyph table, the UTF-8 look-alike test and the room a placeholder has.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cli/cli_export.h"
#include "cli/cp437_unicode.h"
#include "cli/placeholder_room.h"
#include "cli/utf8_check.h"
#include "cli/word_wrap.h"
#include "render/field_layout.h"
#include "render/substitution.h"

namespace glyphwright::cli {
namespace {

using Lines = std::vector<std::string>;

struct WrapCase {
    const char* name;
    std::string text;
    std::size_t width;
    Lines lines;
};

// The page shows the lines a viewer shows; the UTF-8 export keeps every byte.
TEST(CliExport, PageBreaksAndStopsAsViewersDo) {
    std::string record = "SAUCE00Title";
    record.resize(128, ' ');
    record[104] = 0;
    const std::string nfo = "a\r\r\nb\r\n\x1A" + record;
    const std::string page = ExportHtml(nfo, "t.nfo");
    EXPECT_NE(page.find("<pre>a\nb\n</pre>"), std::string::npos) << page;
    EXPECT_NE(ExportUtf8(nfo).find("\r\r\nb\r\n\xE2\x86\x92SAUCE00Title"), std::string::npos);
}

TEST(CliWordWrap, BreaksAsTheEditControlDoes) {
    const WrapCase cases[] = {
        {"empty text is one empty line", "", 10, {""}},
        {"trailing break gives an empty last line", "ab\r\n", 10, {"ab", ""}},
        {"paragraphs at CR LF", "ab\r\n\r\ncd", 10, {"ab", "", "cd"}},
        {"fits exactly", "abcd efghi", 10, {"abcd efghi"}},
        {"break at the last blank that fits; the blank stays", "abcd efgh ijkl", 10, {"abcd efgh ", "ijkl"}},
        {"word ending at the edge keeps its line", "abcdefghij klm", 10, {"abcdefghij ", "klm"}},
        {"run of blanks stays whole on the line", "abc    def", 5, {"abc    ", "def"}},
        {"word longer than the line is cut at the width", "abcdefghijklm", 5, {"abcde", "fghij", "klm"}},
        {"long word after a short one moves down, then is cut", "ab cdefghijk", 5, {"ab ", "cdefg", "hijk"}},
        {"leading blanks end a line before a word that does not fit", "   abcdefgh", 5, {"   ", "abcde", "fgh"}},
        {"lone LF and lone CR are characters", "a\nb\rc", 10, {"a\nb\rc"}},
        {"width 0 does not wrap", std::string(200, 'x'), 0, {std::string(200, 'x')}},
    };
    for (const WrapCase& c : cases) EXPECT_EQ(WrapText(c.text, c.width), c.lines) << c.name;
}

TEST(CliWordWrap, KeepsEveryCharacter) {
    const std::string paragraph =
        "Glyphwright writes the information files of a release from templates, keeping every frame  "
        "and column where it was drawn; averyveryveryveryveryverylongwordthatdoesnotfitanywhere ok";
    for (std::size_t width : {1u, 7u, 20u, 70u}) {
        std::string joined;
        for (const std::string& line : WrapText(paragraph, width)) {
            joined += line;
            // Only trailing blanks may hang past the width.
            const std::size_t end = line.find_last_not_of(' ');
            EXPECT_LE(end == std::string::npos ? 0 : end + 1, width);
        }
        EXPECT_EQ(joined, paragraph) << width;
    }
}

TEST(CliCp437, GlyphsOfTheArtAndControlRanges) {
    const struct {
        unsigned char byte;
        char32_t glyph;
    } cases[] = {{0x00, 0x0020}, {0x01, 0x263A}, {0x0D, 0x266A}, {0x1A, 0x2192}, {0x41, 'A'},
                 {0x7F, 0x2302}, {0x82, 0x00E9}, {0xB0, 0x2591}, {0xB3, 0x2502}, {0xC9, 0x2554},
                 {0xCD, 0x2550}, {0xDB, 0x2588}, {0xDF, 0x2580}, {0xE1, 0x00DF}, {0xFE, 0x25A0},
                 {0xFF, 0x00A0}};
    for (const auto& c : cases) EXPECT_EQ(kCp437Glyphs[c.byte], c.glyph) << int(c.byte);
    // Every byte has its own glyph except that 0x00 and 0x20 are both a blank.
    std::vector<char32_t> glyphs(kCp437Glyphs.begin() + 1, kCp437Glyphs.end());
    std::sort(glyphs.begin(), glyphs.end());
    EXPECT_EQ(std::adjacent_find(glyphs.begin(), glyphs.end()), glyphs.end());
}

TEST(CliCp437, Utf8KeepsLineStructure) {
    EXPECT_EQ(Cp437ToUtf8("\xC9\xCD\xBB\r\n\xDB\t\x01"), "\u2554\u2550\u2557\r\n\u2588\t\u263A");
    EXPECT_EQ(Cp1252ToUtf8("Caf\xE9 \x80"), "Caf\u00E9 \u20AC");
    std::string out;
    AppendUtf8(out, 0x1F600);
    EXPECT_EQ(out, "\xF0\x9F\x98\x80");
}

TEST(CliUtf8, TellsLookAlikesFromCp437) {
    const struct {
        const char* name;
        std::string bytes;
        bool readsAsUtf8;
    } cases[] = {
        {"plain ASCII is no look-alike", "Name: {A}\r\n", false},
        {"box drawing alone is not UTF-8", "\xC9\xCD\xCD\xBB", false},
        {"a lead byte and a continuation read as UTF-8", "\xC3\xA9t\xC3\xA9", true},
        {"overlong form", "\xC0\xAF", false},
        {"surrogate", "\xED\xA0\x80", false},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", false},
        {"cut at the end", "ok \xE2\x94", false},
        {"four-byte sequence", "\xF0\x9F\x98\x80", true},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadsAsUtf8(ReadAsUtf8(c.bytes)), c.readsAsUtf8) << c.name;
    const Utf8Reading reading = ReadAsUtf8("ab\xC3\xA9 \xE2\x95\x90");
    EXPECT_EQ(reading.sequences, 2u);
    EXPECT_EQ(reading.firstOffset, 2u);
}

// The room reported for a placeholder is exactly the longest value the renderer places there
// without moving what follows: one character more and it is not placed that way.
TEST(CliPlaceholderRoom, AgreesWithTheRenderer) {
    const std::string lines[] = {
        "|          {A}          |",  // centred, symmetric
        "|   {A}          |",         // few blanks before
        "|          {A}|",            // none after: aligned and centred both bare
        "Name: {A}      |",           // label line: aligned only
        "{A}     |",                  // at the start: nothing before
    };
    for (const std::string& line : lines) {
        const std::vector<PlaceholderRoom> rooms = FindPlaceholders(line);
        ASSERT_EQ(rooms.size(), 1u) << line;
        const PlaceholderRoom& room = rooms[0];
        const std::size_t best = room.labelLine ? room.aligned : std::max(room.centred, room.aligned);
        FieldTable values;
        values[0] = std::string(best, 'x');
        EXPECT_EQ(SubstituteLine(line, PlaceholderTags, values).size(), line.size()) << line;
        EXPECT_EQ(SubstituteLine(line, PlaceholderTags, values).find("{A}"), std::string::npos) << line;
        values[0] = std::string(best + 1, 'x');
        EXPECT_NE(SubstituteLine(line, PlaceholderTags, values).find("{A}"), std::string::npos) << line;
    }
}

TEST(CliPlaceholderRoom, TextBlocksChooseByColumnAndLabel) {
    const std::string middle = std::string(1, '|') + std::string(38, ' ') + "{R}" + std::string(37, ' ') + "|";
    const std::string left = "|   {S}" + std::string(20, ' ') + "|";
    const std::string label = "Info:" + std::string(34, ' ') + "{T}" + std::string(10, ' ');
    EXPECT_TRUE(FindPlaceholders(middle).at(0).centredPlacement);
    EXPECT_FALSE(FindPlaceholders(left).at(0).centredPlacement);
    EXPECT_FALSE(FindPlaceholders(label).at(0).centredPlacement);
    EXPECT_TRUE(FindPlaceholders(label).at(0).labelLine);
    EXPECT_EQ(FindPlaceholders(middle).at(0).centred, 3u + 2 * 37);
    EXPECT_TRUE(FindPlaceholders("{a} {V} {#}").empty());
}

// A text block's label test looks at the blanks centring would take, so a colon right before
// the placeholder is a label only for the shortest lines: the note's room is what the renderer
// places, never more.
TEST(CliPlaceholderRoom, TextBlockRoomIsWhatTheRendererPlaces) {
    const std::string lines[] = {
        std::string(30, ' ') + "Notes:{R}" + std::string(20, ' ') + "|",
        "|" + std::string(38, ' ') + "{R}" + std::string(37, ' ') + "|",
        "Info:" + std::string(34, ' ') + "{T}" + std::string(10, ' '),
    };
    for (const std::string& line : lines) {
        const PlaceholderRoom room = FindPlaceholders(line).at(0);
        const std::string tag = line.substr(room.column, 3);
        for (std::size_t length = 3; length <= room.placedUpTo + 1; ++length) {
            Document document{line};
            ExpandTextBlock(document, tag, {std::string(length, 'x')});
            EXPECT_EQ(document[0].find(tag) == std::string::npos, length <= room.placedUpTo) << line << length;
        }
    }
    EXPECT_EQ(FindPlaceholders(lines[0]).at(0).placedUpTo, 4u);
}

}  // namespace
}  // namespace glyphwright::cli
