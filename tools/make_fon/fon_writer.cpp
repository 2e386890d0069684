#include "fon_writer.h"

namespace glyphwright::fon {
namespace {

constexpr unsigned kFirstChar = 0;
constexpr unsigned kLastChar = 255;
// The char table of a 2.0 font has one entry past the last character: a blank of the
// average width that Windows uses as the "absolute space".
constexpr unsigned kCharEntries = kLastChar - kFirstChar + 2;
constexpr std::size_t kMaxFaceLength = 31;  // LF_FACESIZE less the terminator
constexpr std::size_t kCopyrightLength = 60;

// NE layout: a DOS header and stub, then the NE header at a fixed place, its tables, and the
// resources on 16-byte boundaries.
constexpr std::size_t kNeOffset = 0x80;
constexpr unsigned kAlignShift = 4;
constexpr unsigned kNeFlagsLibrary = 0x8000;
constexpr unsigned kNeFlagsWindowsApi = 0x0300;
constexpr unsigned kNeTargetWindows = 2;
constexpr unsigned kNeWindowsVersion = 0x0300;
constexpr unsigned kFontOrdinal = 1;
constexpr unsigned kResourceMoveable = 0x0010, kResourcePure = 0x0020, kResourcePreload = 0x0040,
                   kResourceDiscardable = 0x1000;

std::size_t GlyphBytes(const RasterFont& font) {
    std::size_t size = font.row_bytes() * font.height;
    return size + (size & 1);  // glyphs start on word boundaries
}

std::size_t FntSize(const RasterFont& font) {
    return fnt::kHeaderSize + kCharEntries * fnt::kCharEntrySize + kCharEntries * GlyphBytes(font) +
           font.face.size() + 1;
}

// Each glyph column by column: all rows of the leftmost 8 pixels, then of the next 8.
void WriteGlyph(ByteBuffer& out, const RasterFont& font, const Bytes& rows) {
    const std::size_t start = out.size();
    for (unsigned column = 0; column < font.row_bytes(); ++column)
        for (unsigned row = 0; row < font.height; ++row) out.u8(rows[row * font.row_bytes() + column]);
    out.zeros(GlyphBytes(font) - (out.size() - start));
}

void WriteDosStub(ByteBuffer& out) {
    static const std::uint8_t kStubCode[] = {
        0x0E,              // push cs
        0x1F,              // pop ds
        0xBA, 0x0E, 0x00,  // mov dx, message
        0xB4, 0x09,        // mov ah, 9 (print string)
        0xCD, 0x21,        // int 21h
        0xB8, 0x01, 0x4C,  // mov ax, 4C01h (exit 1)
        0xCD, 0x21,        // int 21h
    };
    out.u8('M');
    out.u8('Z');
    out.u16(kNeOffset);  // bytes in the last page: the DOS image is the header and stub
    out.u16(1);          // pages
    out.u16(0);          // relocations
    out.u16(4);          // header paragraphs
    out.u16(0);          // minimum extra paragraphs
    out.u16(0xFFFF);     // maximum extra paragraphs
    out.u16(0);          // ss
    out.u16(0xB8);       // sp
    out.u16(0);          // checksum
    out.u16(0);          // ip
    out.u16(0);          // cs
    out.u16(0x40);       // relocation table offset: a new-format executable
    out.zeros(ne::kDosNewHeaderPointer - out.size());
    out.u32(kNeOffset);
    for (std::uint8_t byte : kStubCode) out.u8(byte);
    for (char c : std::string("This is a Windows font file.\r\n$")) out.u8(static_cast<unsigned char>(c));
    out.zeros(kNeOffset - out.size());
}

unsigned AlignedUnits(std::size_t length) {
    return static_cast<unsigned>((length + (1u << kAlignShift) - 1) >> kAlignShift);
}

}  // namespace

std::string CheckRasterFont(const RasterFont& font) {
    if (font.face.empty() || font.face.size() > kMaxFaceLength) return "the face name must have 1 to 31 characters";
    if (font.face.find('\0') != std::string::npos) return "the face name holds a NUL";
    if (font.width == 0 || font.width > 255) return "the glyph width must be 1 to 255 pixels";
    if (font.height == 0 || font.height > 255) return "the glyph height must be 1 to 255 pixels";
    if (font.ascent == 0 || font.ascent > font.height) return "the ascent must lie within the glyph height";
    if (font.internal_leading >= font.height) return "the internal leading must leave rows for the characters";
    for (const Bytes& glyph : font.glyphs)
        if (glyph.size() != font.row_bytes() * font.height) return "a glyph does not have the font's size";
    // Version 2.0 keeps offsets in 16 bits.
    if (FntSize(font) > 0xFFFF) return "the glyphs are too large for a version 2.0 font";
    return "";
}

Bytes EncodeFnt(const RasterFont& font) {
    ByteBuffer out;
    const unsigned width_bytes = ((kCharEntries * font.width + 15) / 16) * 2;
    out.u16(fnt::kVersion2);
    out.u32(0);  // size, patched below
    out.fixed_string(font.copyright, kCopyrightLength);
    out.u16(0);  // raster, glyphs in the file
    out.u16(font.points());
    out.u16(kScreenDpi);
    out.u16(kScreenDpi);
    out.u16(font.ascent);
    out.u16(font.internal_leading);
    out.u16(0);  // external leading
    out.u8(0);   // italic
    out.u8(0);   // underline
    out.u8(0);   // strike-out
    out.u16(font.weight);
    out.u8(font.charset);
    out.u16(font.width);  // pixel width: the same for every glyph
    out.u16(font.height);
    out.u8(fnt::kFamilyModern);
    out.u16(font.width);  // average width
    out.u16(font.width);  // maximum width
    out.u8(kFirstChar);
    out.u8(kLastChar);
    out.u8(font.default_char - kFirstChar);
    out.u8(font.break_char - kFirstChar);
    out.u16(width_bytes);
    out.u32(0);  // no device name: a screen font
    out.u32(0);  // face name offset, patched below
    out.u32(0);  // bits pointer, set by the loader
    out.u32(0);  // bits offset, patched below
    out.u8(0);

    const std::size_t bits_offset = fnt::kHeaderSize + kCharEntries * fnt::kCharEntrySize;
    for (unsigned entry = 0; entry < kCharEntries; ++entry) {
        out.u16(font.width);
        out.u16(static_cast<unsigned>(bits_offset + entry * GlyphBytes(font)));
    }
    for (const Bytes& glyph : font.glyphs) WriteGlyph(out, font, glyph);
    WriteGlyph(out, font, Bytes(font.row_bytes() * font.height, 0));  // the absolute space
    const std::size_t face_offset = out.size();
    out.c_string(font.face);

    out.patch_u32(fnt::kSize, static_cast<std::uint32_t>(out.size()));
    out.patch_u32(fnt::kFace, static_cast<std::uint32_t>(face_offset));
    out.patch_u32(fnt::kBitsOffset, static_cast<std::uint32_t>(bits_offset));
    return out.take();
}

std::string CheckStrikes(const std::vector<RasterFont>& strikes) {
    if (strikes.empty()) return "no strike to write";
    for (std::size_t i = 0; i < strikes.size(); ++i) {
        const RasterFont& strike = strikes[i];
        const std::string error = CheckRasterFont(strike);
        if (!error.empty()) return error;
        if (strike.face != strikes.front().face || strike.charset != strikes.front().charset)
            return "the strikes of one file must share face name and character set";
        for (std::size_t j = 0; j < i; ++j)
            if (strikes[j].height == strike.height) return "two strikes are " + std::to_string(strike.height) + " pixels high";
    }
    return "";
}

std::string FontResDescription(const std::vector<RasterFont>& strikes) {
    std::string description = "FONTRES 100," + std::to_string(kScreenDpi) + "," + std::to_string(kScreenDpi) + " : " +
                              (strikes.empty() ? std::string() : strikes.front().face) + " ";
    for (std::size_t i = 0; i < strikes.size(); ++i)
        description += (i ? "," : "") + std::to_string(strikes[i].points());
    return description;
}

Bytes EncodeFon(const std::vector<RasterFont>& strikes, const std::string& module) {
    std::vector<Bytes> fnt_bytes;
    for (const RasterFont& strike : strikes) fnt_bytes.push_back(EncodeFnt(strike));
    const auto count = static_cast<unsigned>(strikes.size());

    // The directory repeats each font's header, numbered by the ordinal of its resource.
    ByteBuffer font_dir;
    font_dir.u16(count);
    for (unsigned i = 0; i < count; ++i) {
        font_dir.u16(kFontOrdinal + i);
        font_dir.append(Bytes(fnt_bytes[i].begin(), fnt_bytes[i].begin() + fnt::kDirEntrySize));
        font_dir.c_string("");  // device name
        font_dir.c_string(strikes[i].face);
    }

    ByteBuffer out;
    WriteDosStub(out);

    // NE header; the table offsets are filled in as the tables are laid out after it.
    const std::size_t ne = out.size();  // == kNeOffset
    out.u8('N');
    out.u8('E');
    out.u8(5);   // linker version
    out.u8(10);  // linker revision
    out.zeros(ne::kHeaderSize - 4);
    out.patch_u16(ne + ne::kFlags, kNeFlagsLibrary | kNeFlagsWindowsApi);
    out.patch_u16(ne + ne::kAlignShift, kAlignShift);
    out.patch_u16(ne + ne::kTargetOs, kNeTargetWindows);  // the byte after it, other OS flags, stays zero
    out.patch_u16(ne + ne::kWindowsVersion, kNeWindowsVersion);
    auto relative = [&](std::size_t at) { return static_cast<unsigned>(at - ne); };
    out.patch_u16(ne + ne::kSegmentTable, relative(out.size()));  // segment table: empty

    // Resource table: the font directory, then the font.
    const std::size_t resources = out.size();
    out.patch_u16(ne + ne::kResourceTable, relative(resources));
    out.u16(kAlignShift);
    out.u16(ne::kFontDirType);
    out.u16(1);
    out.u32(0);
    const std::size_t dir_entry = out.size();
    out.u16(0);  // offset, patched
    out.u16(AlignedUnits(font_dir.size()));
    out.u16(kResourceMoveable | kResourcePreload);
    const std::size_t dir_name = out.size();
    out.u16(0);  // name offset, patched: the directory is named, not numbered
    out.u32(0);
    out.u16(ne::kFontType);
    out.u16(count);
    out.u32(0);
    std::vector<std::size_t> font_entries;
    for (unsigned i = 0; i < count; ++i) {
        font_entries.push_back(out.size());
        out.u16(0);  // offset, patched
        out.u16(AlignedUnits(fnt_bytes[i].size()));
        out.u16(kResourceMoveable | kResourcePure | kResourceDiscardable);
        out.u16(0x8000 | (kFontOrdinal + i));
        out.u32(0);
    }
    out.u16(0);  // end of resource types
    out.patch_u16(dir_name, static_cast<unsigned>(out.size() - resources));
    out.pascal_string("FONTDIR");
    out.u8(0);  // end of resource names

    out.patch_u16(ne + ne::kResidentNames, relative(out.size()));  // resident names: the module name
    out.pascal_string(module);
    out.u16(0);
    out.u8(0);
    out.patch_u16(ne + ne::kModuleReferences, relative(out.size()));  // module references: none
    out.patch_u16(ne + ne::kImportedNames, relative(out.size()));  // imported names: none
    out.u8(0);
    out.patch_u16(ne + ne::kEntryTable, relative(out.size()));  // entry table: no entry points
    out.patch_u16(ne + ne::kEntryTableSize, 2);
    out.u16(0);
    const std::size_t nonresident = out.size();
    out.patch_u32(ne + ne::kNonresidentNames, static_cast<std::uint32_t>(nonresident));  // from the start of the file
    out.pascal_string(FontResDescription(strikes));
    out.u16(0);
    out.u8(0);
    out.patch_u16(ne + ne::kNonresidentSize, static_cast<unsigned>(out.size() - nonresident));

    out.pad_to_multiple(1u << kAlignShift);
    out.patch_u16(dir_entry, AlignedUnits(out.size()));
    out.append(font_dir.bytes());
    for (unsigned i = 0; i < count; ++i) {
        out.pad_to_multiple(1u << kAlignShift);
        out.patch_u16(font_entries[i], AlignedUnits(out.size()));
        out.append(fnt_bytes[i]);
    }
    out.pad_to_multiple(1u << kAlignShift);
    return out.take();
}

}  // namespace glyphwright::fon
