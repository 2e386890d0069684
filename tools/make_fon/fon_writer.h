// Windows raster font files: FNT 2.0 resources, one per strike (size), wrapped, as Windows
// ships its own .fon files, in a 16-bit New Executable that holds a FONTDIR and FONT resources
// and nothing else.
#pragma once

#include <string>
#include <vector>

#include "byte_buffer.h"
#include "raster_font.h"

namespace glyphwright::fon {

// Offsets into a FNT 2.0 header (the FONTDIR entry repeats its first 113 bytes).
namespace fnt {
constexpr std::size_t kVersion = 0, kSize = 2, kCopyright = 6, kType = 66, kPoints = 68,
                      kVertRes = 70, kHorizRes = 72, kAscent = 74, kInternalLeading = 76,
                      kExternalLeading = 78, kItalic = 80, kUnderline = 81, kStrikeOut = 82,
                      kWeight = 83, kCharSet = 85, kPixWidth = 86, kPixHeight = 88,
                      kPitchAndFamily = 90, kAvgWidth = 91, kMaxWidth = 93, kFirstChar = 95,
                      kLastChar = 96, kDefaultChar = 97, kBreakChar = 98, kWidthBytes = 99,
                      kDevice = 101, kFace = 105, kBitsPointer = 109, kBitsOffset = 113,
                      kReserved = 117, kHeaderSize = 118, kDirEntrySize = 113;
constexpr unsigned kVersion2 = 0x0200;
constexpr unsigned kCharEntrySize = 4;  // WORD width, WORD offset
constexpr std::uint8_t kFamilyModern = 0x30;  // FF_MODERN; the clear low bit means fixed pitch
}  // namespace fnt

// Offsets into the NE header; table offsets are relative to the header unless noted.
namespace ne {
constexpr std::size_t kEntryTable = 4, kEntryTableSize = 6, kFlags = 12, kNonresidentSize = 32,
                      kSegmentTable = 34, kResourceTable = 36, kResidentNames = 38,
                      kModuleReferences = 40, kImportedNames = 42,
                      kNonresidentNames = 44,  // from the start of the file
                      kAlignShift = 50, kTargetOs = 54, kWindowsVersion = 62, kHeaderSize = 64;
constexpr std::size_t kDosNewHeaderPointer = 0x3C;  // in the DOS header: where "NE" starts
constexpr unsigned kFontDirType = 0x8007, kFontType = 0x8008;
}  // namespace ne

// Checks what the formats cannot hold; empty when the font can be written.
std::string CheckRasterFont(const RasterFont& font);
// The same for the strikes of one file, and that they make one face: the same name and
// character set, each height once (the mapper could not tell two strikes of a height apart).
std::string CheckStrikes(const std::vector<RasterFont>& strikes);

// The FNT resource alone. The font must pass CheckRasterFont.
Bytes EncodeFnt(const RasterFont& font);

// The whole .fon file with every strike. The strikes must pass CheckStrikes. `module` names
// the module in the resident name table (upper case by custom); the description is the
// "FONTRES aspect,dpi,dpi : Face points,points..." line that font installers read.
Bytes EncodeFon(const std::vector<RasterFont>& strikes, const std::string& module);

std::string FontResDescription(const std::vector<RasterFont>& strikes);

}  // namespace glyphwright::fon
