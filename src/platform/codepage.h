#pragma once
// Byte-for-byte code-page services. Rendered text lives in the OEM (DOS) code page while the
// form's values are typed in the ANSI code page, so values are mapped at the moment they are
// inserted; line tests compare in ANSI lower case. Both mappings keep the length.

#include <array>
#include <cstddef>

namespace glyphwright::platform {

// Maps each byte from the ANSI to the OEM code page.
void AnsiToOemInPlace(char* bytes, std::size_t length);

// The same between the two code pages given, character by character: a double-byte character
// is mapped whole, and one whose other form is not as many bytes long becomes as many '?', so
// the length is kept whatever the pair. The portable build knows one pair, 1252 to 437 (a page
// into itself is left as it is), and maps any other pair as that one.
void AnsiToOemInPlace(unsigned ansiCodePage, unsigned oemCodePage, char* bytes, std::size_t length);

// The system's ANSI and OEM code pages (1252 and 437 in the portable build).
unsigned AnsiCodePage();
unsigned OemCodePage();

// Whether the byte opens a two-byte character in the code page: in 932, 936, 949 and 950 the
// byte after it is that character's second half, whatever its value, a backslash's included.
bool IsLeadByte(unsigned codePage, unsigned char byte);

// Lower-cases each byte by the ANSI code page's rules.
void AnsiLowerInPlace(char* bytes, std::size_t length);

// The mappings of a system whose ANSI code page is 1252 and OEM code page is 437, indexed by
// the input byte. The portable build uses them; the Windows build asks the system and a unit
// test keeps the two in step.
extern const std::array<unsigned char, 256> kAnsiToOemTable;
extern const std::array<unsigned char, 256> kAnsiLowerTable;

// The lead bytes of the double-byte code pages, as ranges; every other code page has none.
struct LeadByteRange {
    unsigned codePage;
    unsigned char first;
    unsigned char last;
};
extern const std::array<LeadByteRange, 5> kLeadByteRanges;

}  // namespace glyphwright::platform
