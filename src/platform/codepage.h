#pragma once
// Byte-for-byte code-page services. Rendered text lives in the OEM (DOS) code page while the
// form's values are typed in the ANSI code page, so values are mapped at the moment they are
// inserted; line tests compare in ANSI lower case. Both mappings keep the length.

#include <array>
#include <cstddef>

namespace glyphwright::platform {

// Maps each byte from the ANSI to the OEM code page.
void AnsiToOemInPlace(char* bytes, std::size_t length);

// Lower-cases each byte by the ANSI code page's rules.
void AnsiLowerInPlace(char* bytes, std::size_t length);

// The mappings of a system whose ANSI code page is 1252 and OEM code page is 437, indexed by
// the input byte. The portable build uses them; the Windows build asks the system and a unit
// test keeps the two in step.
extern const std::array<unsigned char, 256> kAnsiToOemTable;
extern const std::array<unsigned char, 256> kAnsiLowerTable;

}  // namespace glyphwright::platform
