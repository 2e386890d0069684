#include "self_test.h"

#include <cstdio>
#include <set>
#include <string>

#include "dos_code_pages.h"
#include "dos_strike.h"
#include "fon_writer.h"
#include "psf_font.h"

namespace glyphwright::fon {
namespace {

int g_checks = 0;
int g_failures = 0;

void Check(bool ok, const std::string& what, int line) {
    ++g_checks;
    if (ok) return;
    ++g_failures;
    std::printf("FAILED (self_test.cpp:%d): %s\n", line, what.c_str());
}
#define CHECK(condition) Check((condition), #condition, __LINE__)
#define CHECK_EQ(actual, expected) \
    Check((actual) == (expected), #actual " == " #expected " (got " + std::to_string(actual) + ")", __LINE__)

void Utf8(Bytes& out, char32_t code) {
    if (code < 0x80) {
        out.push_back(static_cast<std::uint8_t>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<std::uint8_t>(0xC0 | (code >> 6)));
        out.push_back(static_cast<std::uint8_t>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<std::uint8_t>(0xE0 | (code >> 12)));
        out.push_back(static_cast<std::uint8_t>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<std::uint8_t>(0x80 | (code & 0x3F)));
    }
}

void TestCp437Table() {
    struct { std::uint8_t code; char32_t unicode; } const cases[] = {
        {0x41, U'A'},    {0x7E, U'~'},    {0x01, 0x263A}, {0x10, 0x25BA}, {0x7F, 0x2302},
        {0x80, 0x00C7},  {0xB0, 0x2591},  {0xB3, 0x2502}, {0xBF, 0x2510}, {0xC4, 0x2500},
        {0xCD, 0x2550},  {0xDA, 0x250C},  {0xDB, 0x2588}, {0xE1, 0x00DF}, {0xFE, 0x25A0},
        {0xFF, 0x00A0},
    };
    for (const auto& c : cases) CHECK_EQ(static_cast<unsigned>(DosToUnicode(DosCodePage::k437, c.code)), static_cast<unsigned>(c.unicode));
    // A mistyped entry usually repeats another one.
    std::set<char32_t> seen;
    for (unsigned code = 0; code < 256; ++code) seen.insert(DosToUnicode(DosCodePage::k437, static_cast<std::uint8_t>(code)));
    CHECK_EQ(seen.size(), 256u);
    const std::vector<char32_t> pointer = DosCandidates(DosCodePage::k437, 0x10);
    CHECK(pointer.size() >= 2 && pointer[0] == 0x25BA && pointer[1] == 0x25B6);
    CHECK_EQ(DosCandidates(DosCodePage::k437, U'A').size(), 1u);
}

// 866 keeps 437's pictures and line drawing and has Cyrillic where 437 has accented letters
// and Greek; 437's look-alikes for its Greek row must not stand in for the Cyrillic there.
void TestCp866Table() {
    struct { std::uint8_t code; char32_t unicode; } const cases[] = {
        {0x01, 0x263A}, {0x41, U'A'},   {0x7F, 0x2302}, {0x80, 0x0410}, {0x92, 0x0422},
        {0x9F, 0x042F}, {0xA0, 0x0430}, {0xAF, 0x043F}, {0xB3, 0x2502}, {0xC9, 0x2554},
        {0xDB, 0x2588}, {0xE0, 0x0440}, {0xE1, 0x0441}, {0xEF, 0x044F}, {0xF0, 0x0401},
        {0xF1, 0x0451}, {0xF6, 0x040E}, {0xFC, 0x2116}, {0xFD, 0x00A4}, {0xFF, 0x00A0},
    };
    for (const auto& c : cases)
        CHECK_EQ(static_cast<unsigned>(DosToUnicode(DosCodePage::k866, c.code)), static_cast<unsigned>(c.unicode));
    std::set<char32_t> seen;
    for (unsigned code = 0; code < 256; ++code) seen.insert(DosToUnicode(DosCodePage::k866, static_cast<std::uint8_t>(code)));
    CHECK_EQ(seen.size(), 256u);
    CHECK_EQ(DosCandidates(DosCodePage::k866, 0xE1).size(), 1u);  // 437: sharp s or beta
    CHECK_EQ(DosCandidates(DosCodePage::k866, 0x10).size(), 3u);  // the pointer and its look-alikes
    DosCodePage page = DosCodePage::k437;
    CHECK(FindDosCodePage(866, page) && page == DosCodePage::k866);
    CHECK(!FindDosCodePage(932, page));
}

// A PSF2 font 10 pixels wide (two bytes a row), 3 rows, 3 glyphs.
Bytes MakePsf2(bool with_table, std::size_t cut = 0) {
    ByteBuffer out;
    for (std::uint8_t b : {0x72, 0xB5, 0x4A, 0x86}) out.u8(b);
    out.u32(0);                  // version
    out.u32(32);                 // header size
    out.u32(with_table ? 1 : 0); // flags
    out.u32(3);                  // glyphs
    out.u32(6);                  // bytes per glyph
    out.u32(3);                  // height
    out.u32(10);                 // width
    for (unsigned glyph = 0; glyph < 3; ++glyph)
        for (unsigned i = 0; i < 6; ++i) out.u8(glyph * 16 + i);
    Bytes file = out.take();
    if (with_table) {
        Utf8(file, U'A');  // glyph 0: "A", then a sequence A + combining acute
        file.push_back(0xFE);
        Utf8(file, U'A');
        Utf8(file, 0x0301);
        file.push_back(0xFF);
        Utf8(file, 0x00E9);  // glyph 1: two- and three-byte characters
        Utf8(file, 0x2500);
        file.push_back(0xFF);
        Utf8(file, U'A');  // glyph 2 also claims "A": the earlier glyph keeps it
        file.push_back(0xFF);
    }
    file.resize(file.size() - cut);
    return file;
}

// A PSF1 font (8 wide, 2 rows, 256 glyphs) with a 16-bit Unicode table.
Bytes MakePsf1() {
    ByteBuffer out;
    out.u8(0x36);
    out.u8(0x04);
    out.u8(0x02);  // has a table
    out.u8(2);     // height
    for (unsigned glyph = 0; glyph < 256; ++glyph) {
        out.u8(glyph);
        out.u8(~glyph & 0xFF);
    }
    out.u16(U'A');
    out.u16(0x2592);
    out.u16(0xFFFF);
    out.u16(0xFFFE);  // glyph 1 draws only a sequence
    out.u16(U'B');
    out.u16(0xFFFF);
    for (unsigned glyph = 2; glyph < 256; ++glyph) out.u16(0xFFFF);
    return out.take();
}

void TestPsf() {
    PsfFont font;
    std::string error;
    CHECK(ParsePsf(MakePsf2(true), font, error));
    CHECK_EQ(font.width, 10u);
    CHECK_EQ(font.height, 3u);
    CHECK_EQ(font.glyphs.size(), 3u);
    CHECK(font.glyphs.size() == 3 && font.glyphs[1] == Bytes({16, 17, 18, 19, 20, 21}));
    CHECK_EQ(font.glyph_of.count(U'A') ? font.glyph_of[U'A'] : 99, 0u);
    CHECK_EQ(font.glyph_of.count(0x00E9) ? font.glyph_of[0x00E9] : 99, 1u);
    CHECK_EQ(font.glyph_of.count(0x2500) ? font.glyph_of[0x2500] : 99, 1u);
    CHECK_EQ(font.glyph_of.count(0x0301), 0u);

    CHECK(ParsePsf(MakePsf1(), font, error));
    CHECK_EQ(font.width, 8u);
    CHECK_EQ(font.glyphs.size(), 256u);
    CHECK(font.glyphs.size() == 256 && font.glyphs[200] == Bytes({200, 55}));
    CHECK_EQ(font.glyph_of.count(0x2592) ? font.glyph_of[0x2592] : 99, 0u);
    CHECK_EQ(font.glyph_of.count(U'B'), 0u);

    struct { const char* what; Bytes file; } const refused[] = {
        {"no Unicode table", MakePsf2(false)},
        {"cut inside the glyphs", MakePsf2(false, 30)},
        {"cut inside the header", MakePsf2(true, MakePsf2(true).size() - 20)},
        {"not a PSF", Bytes{'M', 'Z', 0, 0, 0, 0}},
        {"empty", Bytes{}},
    };
    for (const auto& c : refused) {
        error.clear();
        Check(!ParsePsf(c.file, font, error) && !error.empty(), std::string("refuses: ") + c.what, __LINE__);
    }
}

// Two 8x5 sources: the first has H (inked rows 1-3, so the baseline is below row 3), a space
// and the horizontal line; the second has its own horizontal line, a look-alike of the DOS
// right pointer, and A.
std::vector<PsfFont> MakeSources() {
    PsfFont first, second;
    for (PsfFont* font : {&first, &second}) {
        font->width = 8;
        font->height = 5;
    }
    first.glyphs = {Bytes{0x00, 0x42, 0x7E, 0x42, 0x00}, Bytes(5, 0), Bytes{0, 0, 0xFF, 0, 0}};
    first.glyph_of = {{U'H', 0}, {U' ', 1}, {0x2500, 2}};
    second.glyphs = {Bytes{0, 0, 0xAA, 0, 0}, Bytes{0x60, 0x78, 0x7E, 0x78, 0x60}, Bytes{1, 2, 3, 4, 5}};
    second.glyph_of = {{0x2500, 0}, {0x25B6, 1}, {U'A', 2}};
    return {first, second};
}

void TestStrike() {
    RasterFont font;
    std::vector<std::uint8_t> missing;
    std::string error;
    CHECK(BuildDosStrike(MakeSources(), StrikeShape{1, 4}, DosCodePage::k437, font, missing, error));
    CHECK_EQ(font.width, 8u);
    CHECK_EQ(font.height, 4u);
    CHECK_EQ(font.ascent, 3u);  // H ends on source row 3, one row was cropped above
    CHECK(font.glyphs[0xC4] == Bytes({0, 0xFF, 0, 0}));           // the first source wins
    CHECK(font.glyphs[0x10] == Bytes({0x78, 0x7E, 0x78, 0x60}));  // look-alike from the second
    CHECK(font.glyphs[U'A'] == Bytes({2, 3, 4, 5}));
    const std::set<std::uint8_t> holes(missing.begin(), missing.end());
    for (std::uint8_t drawn : {0x00, 0x10, 0x20, 0x41, 0x48, 0xC4, 0xFF}) CHECK_EQ(holes.count(drawn), 0u);
    CHECK_EQ(holes.count(0xDA), 1u);
    CHECK_EQ(holes.size(), 249u);
    CHECK(font.glyphs[0xDA] == Bytes(4, 0));

    CHECK(BuildDosStrike(MakeSources(), StrikeShape{}, DosCodePage::k437, font, missing, error));
    CHECK_EQ(font.height, 5u);
    CHECK_EQ(font.ascent, 4u);

    std::vector<PsfFont> mixed = MakeSources();
    mixed[1].height = 6;
    std::vector<PsfFont> no_h = MakeSources();
    no_h[0].glyph_of.erase(U'H');
    struct { const char* what; std::vector<PsfFont> sources; StrikeShape shape; } const refused[] = {
        {"no sources", {}, {}},
        {"sources of different sizes", mixed, {}},
        {"crop removes every row", MakeSources(), {5, 0}},
        {"kept rows run past the glyph", MakeSources(), {2, 4}},
        {"baseline cropped away", MakeSources(), {4, 1}},
        {"no letter H", no_h, {}},
    };
    for (const auto& c : refused) {
        error.clear();
        Check(!BuildDosStrike(c.sources, c.shape, DosCodePage::k437, font, missing, error) && !error.empty(),
              std::string("refuses: ") + c.what, __LINE__);
    }
}

// Rows added above and below a source strike: frames, blocks and shades run on through them
// (the lines of NFO art would break between text lines otherwise), letters get blank rows.
void TestPaddedStrike() {
    PsfFont source;
    source.width = 8;
    source.height = 4;
    const Bytes letter_h{0x42, 0x7E, 0x42, 0};   // ends on row 3
    const Bytes accented{0x10, 0x3C, 0x42, 0};   // ink in the top row
    const Bytes vertical{0x10, 0x10, 0x10, 0x10};
    const Bytes shade{0xAA, 0x55, 0xAA, 0x55};
    const Bytes upper_half{0xFF, 0xFF, 0, 0};
    source.glyphs = {letter_h, accented, vertical, shade, upper_half};
    source.glyph_of = {{U'H', 0}, {0x00C9, 1}, {0x2502, 2}, {0x2592, 3}, {0x2580, 4}};

    RasterFont font;
    std::vector<std::uint8_t> missing;
    std::string error;
    CHECK(BuildDosStrike({source}, StrikeShape{0, 0, 1}, DosCodePage::k437, font, missing, error));
    CHECK_EQ(font.height, 6u);
    CHECK_EQ(font.ascent, 4u);
    CHECK(font.glyphs[0xB3] == Bytes(6, 0x10));
    CHECK(font.glyphs[0xB1] == Bytes({0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA}));
    CHECK(font.glyphs[0xDF] == Bytes({0xFF, 0xFF, 0xFF, 0, 0, 0}));
    CHECK(font.glyphs[0x90] == Bytes({0, 0x10, 0x3C, 0x42, 0, 0}));
    CHECK(font.glyphs['H'] == Bytes({0, 0x42, 0x7E, 0x42, 0, 0}));
}

// The shape the prefix's Terminal takes: a source that is 6 wide and already 12 high keeps
// every row, and its glyphs fill a single byte column with the two low bits clear.
void TestNarrowStrike() {
    PsfFont source;
    source.width = 6;
    source.height = 12;
    const Bytes letter_h{0, 0, 0x88, 0x88, 0x88, 0xF8, 0x88, 0x88, 0x88, 0x88, 0, 0};  // ends on row 10
    const Bytes down_right{0, 0, 0, 0, 0, 0x3C, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20};  // corner of a frame
    const Bytes top_row{0xFC, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const Bytes bottom_row{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFC};
    source.glyphs = {letter_h, down_right, top_row, bottom_row};
    source.glyph_of = {{U'H', 0}, {0x250C, 1}, {0x2580, 2}, {0x2584, 3}};

    RasterFont font;
    std::vector<std::uint8_t> missing;
    std::string error;
    CHECK(BuildDosStrike({source}, StrikeShape{}, DosCodePage::k437, font, missing, error));
    CHECK_EQ(font.width, 6u);
    CHECK_EQ(font.height, 12u);
    CHECK_EQ(font.ascent, 10u);
    CHECK_EQ(font.row_bytes(), 1u);
    // Pictures that use the top and bottom rows keep them.
    CHECK(font.glyphs[0xDF] == top_row);
    CHECK(font.glyphs[0xDC] == bottom_row);
    CHECK(font.glyphs[0xDA] == down_right);
    font.face = "Terminal";
    CHECK(CheckRasterFont(font).empty());

    const Bytes fnt_bytes = EncodeFnt(font);
    CHECK_EQ(read_u16(fnt_bytes, fnt::kPixWidth), 6u);
    CHECK_EQ(read_u16(fnt_bytes, fnt::kPixHeight), 12u);
    CHECK_EQ(read_u16(fnt_bytes, fnt::kAvgWidth), 6u);
    CHECK_EQ(read_u16(fnt_bytes, fnt::kMaxWidth), 6u);
    CHECK_EQ(read_u16(fnt_bytes, fnt::kAscent), 10u);
    CHECK_EQ(read_u16(fnt_bytes, fnt::kInternalLeading), 2u);  // asked for 11 pixels, this strike answers
    CHECK_EQ(static_cast<unsigned>(fnt_bytes[fnt::kCharSet]), 255u);
    CHECK_EQ(fnt_bytes[fnt::kPitchAndFamily] & 1u, 0u);
    // Bitmap rows of all 257 cells side by side, rounded up to whole words.
    CHECK_EQ(read_u16(fnt_bytes, fnt::kWidthBytes), 194u);
    const std::size_t bits = read_u32(fnt_bytes, fnt::kBitsOffset);
    for (unsigned code : {0x48u, 0xDAu, 0xDCu, 0xDFu}) {
        const std::size_t entry = fnt::kHeaderSize + code * fnt::kCharEntrySize;
        CHECK_EQ(read_u16(fnt_bytes, entry), 6u);
        const std::size_t glyph = read_u16(fnt_bytes, entry + 2);
        CHECK_EQ(glyph, bits + code * 12u);  // 12 bytes a glyph: already word aligned
        Check(Bytes(fnt_bytes.begin() + glyph, fnt_bytes.begin() + glyph + 12) == font.glyphs[code],
              "glyph " + std::to_string(code) + " is stored row by row unchanged", __LINE__);
    }
    CHECK(FontResDescription({font}) == "FONTRES 100,96,96 : Terminal 9");
}

// A 10-pixel-wide font (two byte columns) whose 'A' has distinct bytes in each column.
RasterFont MakeFont() {
    RasterFont font;
    font.face = "Test";
    font.copyright = "nobody";
    font.width = 10;
    font.height = 3;
    font.ascent = 2;
    for (Bytes& glyph : font.glyphs) glyph.assign(6, 0);
    font.glyphs['A'] = {0x80, 0x40, 0x00, 0x00, 0xFF, 0xC0};
    return font;
}

void TestFnt() {
    const RasterFont font = MakeFont();
    CHECK(CheckRasterFont(font).empty());
    const Bytes fnt_bytes = EncodeFnt(font);
    CHECK_EQ(read_u16(fnt_bytes, fnt::kVersion), 0x200u);
    CHECK_EQ(read_u32(fnt_bytes, fnt::kSize), fnt_bytes.size());
    CHECK_EQ(static_cast<unsigned>(fnt_bytes[fnt::kCharSet]), 255u);
    CHECK_EQ(read_u16(fnt_bytes, fnt::kPixWidth), 10u);
    CHECK_EQ(read_u16(fnt_bytes, fnt::kPixHeight), 3u);
    CHECK_EQ(read_u16(fnt_bytes, fnt::kAscent), 2u);
    CHECK_EQ(read_u16(fnt_bytes, fnt::kAvgWidth), 10u);
    CHECK_EQ(read_u16(fnt_bytes, fnt::kMaxWidth), 10u);
    CHECK_EQ(fnt_bytes[fnt::kPitchAndFamily] & 1u, 0u);  // fixed pitch
    CHECK_EQ(static_cast<unsigned>(fnt_bytes[fnt::kFirstChar]), 0u);
    CHECK_EQ(static_cast<unsigned>(fnt_bytes[fnt::kLastChar]), 255u);
    CHECK_EQ(static_cast<unsigned>(fnt_bytes[fnt::kDefaultChar]), static_cast<unsigned>('?'));
    CHECK_EQ(read_u16(fnt_bytes, fnt::kWidthBytes) % 2, 0u);
    CHECK(std::string(reinterpret_cast<const char*>(&fnt_bytes[fnt::kCopyright])) == "nobody");

    const std::size_t face = read_u32(fnt_bytes, fnt::kFace);
    CHECK(face < fnt_bytes.size() && std::string(reinterpret_cast<const char*>(&fnt_bytes[face])) == "Test");
    const std::size_t bits = read_u32(fnt_bytes, fnt::kBitsOffset);
    CHECK_EQ(bits, fnt::kHeaderSize + 257 * fnt::kCharEntrySize);
    const std::size_t entry = fnt::kHeaderSize + 'A' * fnt::kCharEntrySize;
    CHECK_EQ(read_u16(fnt_bytes, entry), 10u);
    const std::size_t glyph = read_u16(fnt_bytes, entry + 2);
    CHECK_EQ(glyph, bits + 'A' * 6u);
    // Column-major: the left byte of each row top to bottom, then the right byte.
    CHECK(Bytes(fnt_bytes.begin() + glyph, fnt_bytes.begin() + glyph + 6) == Bytes({0x80, 0x00, 0xFF, 0x40, 0x00, 0xC0}));
    // The extra entry past the last character is a blank of the same width.
    const std::size_t space = fnt::kHeaderSize + 256 * fnt::kCharEntrySize;
    CHECK_EQ(read_u16(fnt_bytes, space), 10u);
    const std::size_t space_bits = read_u16(fnt_bytes, space + 2);
    CHECK(space_bits + 6 <= face && Bytes(fnt_bytes.begin() + space_bits, fnt_bytes.begin() + space_bits + 6) == Bytes(6, 0));

    struct { unsigned height, points; } const sizes[] = {{12, 9}, {16, 12}, {8, 6}, {13, 10}, {14, 11}};
    for (const auto& s : sizes) {
        RasterFont sized = font;
        sized.height = s.height;
        CHECK_EQ(sized.points(), s.points);
    }
}

void TestCheckRasterFont() {
    struct { const char* what; void (*spoil)(RasterFont&); } const cases[] = {
        {"empty face", [](RasterFont& f) { f.face.clear(); }},
        {"face over 31 characters", [](RasterFont& f) { f.face.assign(32, 'x'); }},
        {"zero ascent", [](RasterFont& f) { f.ascent = 0; }},
        {"ascent below the cell", [](RasterFont& f) { f.ascent = 4; }},
        {"glyph of the wrong size", [](RasterFont& f) { f.glyphs[7].pop_back(); }},
        {"too large for 16-bit offsets", [](RasterFont& f) {
             f.width = 64;
             f.height = 64;
             f.ascent = 50;
             for (Bytes& g : f.glyphs) g.assign(8 * 64, 0);
         }},
    };
    for (const auto& c : cases) {
        RasterFont font = MakeFont();
        c.spoil(font);
        Check(!CheckRasterFont(font).empty(), std::string("refuses: ") + c.what, __LINE__);
    }
}

std::string PascalAt(const Bytes& bytes, std::size_t at) {
    return std::string(bytes.begin() + at + 1, bytes.begin() + at + 1 + bytes.at(at));
}

// Walks the file as a font loader does: DOS header, NE header, resource table.
void TestFon() {
    const RasterFont font = MakeFont();
    const Bytes fnt_bytes = EncodeFnt(font);
    const Bytes file = EncodeFon({font}, "TESTFONT");
    CHECK(file.size() > 0x40 && file[0] == 'M' && file[1] == 'Z');
    const std::size_t ne_at = read_u32(file, ne::kDosNewHeaderPointer);
    CHECK(ne_at + ne::kHeaderSize < file.size() && file[ne_at] == 'N' && file[ne_at + 1] == 'E');
    CHECK_EQ(static_cast<unsigned>(file[ne_at + ne::kTargetOs]), 2u);  // Windows
    CHECK_EQ(read_u16(file, ne_at + ne::kWindowsVersion), 0x300u);
    CHECK_EQ(read_u16(file, ne_at + ne::kFlags) & 0x8000u, 0x8000u);  // a library module

    const std::size_t table = ne_at + read_u16(file, ne_at + ne::kResourceTable);
    const unsigned shift = read_u16(file, table);
    std::size_t at = table + 2;
    Bytes font_resource, dir_resource;
    std::string dir_name;
    int types = 0;
    while (unsigned type = read_u16(file, at)) {
        ++types;
        const unsigned count = read_u16(file, at + 2);
        CHECK_EQ(count, 1u);
        const std::size_t offset = static_cast<std::size_t>(read_u16(file, at + 8)) << shift;
        const std::size_t length = static_cast<std::size_t>(read_u16(file, at + 10)) << shift;
        const unsigned id = read_u16(file, at + 14);
        CHECK(offset + length <= file.size());
        const Bytes data(file.begin() + offset, file.begin() + std::min(offset + length, file.size()));
        if (type == ne::kFontType) {
            font_resource = data;
            CHECK_EQ(id, 0x8001u);
        } else if (type == ne::kFontDirType) {
            dir_resource = data;
            CHECK_EQ(id & 0x8000u, 0u);
            dir_name = PascalAt(file, table + id);
        }
        at += 8 + count * 12;
    }
    CHECK_EQ(types, 2);
    CHECK(font_resource.size() >= fnt_bytes.size() &&
          Bytes(font_resource.begin(), font_resource.begin() + fnt_bytes.size()) == fnt_bytes);
    CHECK(dir_name == "FONTDIR");
    CHECK(dir_resource.size() > 4 + fnt::kDirEntrySize + 6);
    if (dir_resource.size() > 4 + fnt::kDirEntrySize + 6) {
        CHECK_EQ(read_u16(dir_resource, 0), 1u);  // one font
        CHECK_EQ(read_u16(dir_resource, 2), 1u);  // its resource ordinal
        CHECK(Bytes(dir_resource.begin() + 4, dir_resource.begin() + 4 + fnt::kDirEntrySize) ==
              Bytes(fnt_bytes.begin(), fnt_bytes.begin() + fnt::kDirEntrySize));
        const std::size_t names = 4 + fnt::kDirEntrySize;
        CHECK_EQ(static_cast<unsigned>(dir_resource[names]), 0u);  // no device
        CHECK(std::string(reinterpret_cast<const char*>(&dir_resource[names + 1])) == "Test");
    }

    CHECK(PascalAt(file, ne_at + read_u16(file, ne_at + ne::kResidentNames)) == "TESTFONT");
    const std::size_t nonresident = read_u32(file, ne_at + ne::kNonresidentNames);
    CHECK(PascalAt(file, nonresident) == "FONTRES 100,96,96 : Test 2");
    CHECK_EQ(file.size() % 16, 0u);
}

// Several sizes in one file: the directory and the resource table list every strike, each
// under its own ordinal, with its own header.
void TestMultiStrikeFon() {
    RasterFont small = MakeFont(), large = MakeFont();
    large.height = 5;
    for (Bytes& glyph : large.glyphs) glyph.assign(10, 0);
    CHECK(CheckStrikes({small, large}).empty());
    const Bytes file = EncodeFon({small, large}, "TWO");
    const std::size_t ne_at = read_u32(file, ne::kDosNewHeaderPointer);
    const std::size_t table = ne_at + read_u16(file, ne_at + ne::kResourceTable);
    const unsigned shift = read_u16(file, table);
    std::vector<unsigned> heights, ordinals;
    unsigned directory_count = 0;
    for (std::size_t at = table + 2; unsigned type = read_u16(file, at); at += 8 + read_u16(file, at + 2) * 12) {
        for (unsigned i = 0; i < read_u16(file, at + 2); ++i) {
            const std::size_t entry = at + 8 + i * 12;
            const std::size_t offset = static_cast<std::size_t>(read_u16(file, entry)) << shift;
            if (type == ne::kFontDirType) directory_count = read_u16(file, offset);
            if (type != ne::kFontType) continue;
            ordinals.push_back(read_u16(file, entry + 6) & 0x7FFFu);
            heights.push_back(read_u16(file, offset + fnt::kPixHeight));
        }
    }
    CHECK_EQ(directory_count, 2u);
    CHECK(ordinals == std::vector<unsigned>({1, 2}));
    CHECK(heights == std::vector<unsigned>({3, 5}));
    CHECK(FontResDescription({small, large}) == "FONTRES 100,96,96 : Test 2,4");

    RasterFont renamed = large;
    renamed.face = "Other";
    struct { const char* what; std::vector<RasterFont> strikes; } const refused[] = {
        {"no strike", {}},
        {"two strikes of one height", {small, small}},
        {"two faces in one file", {small, renamed}},
    };
    for (const auto& c : refused) Check(!CheckStrikes(c.strikes).empty(), std::string("refuses: ") + c.what, __LINE__);
}

}  // namespace

int RunSelfTest() {
    TestCp437Table();
    TestCp866Table();
    TestPsf();
    TestStrike();
    TestPaddedStrike();
    TestNarrowStrike();
    TestFnt();
    TestCheckRasterFont();
    TestFon();
    TestMultiStrikeFon();
    std::printf("make_fon self-test: %d checks\n%d passed, %d failed\n", g_checks, g_checks - g_failures, g_failures);
    return g_failures ? 1 : 0;
}

}  // namespace glyphwright::fon
