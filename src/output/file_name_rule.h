#pragma once
// The one rule for every text that becomes a file or folder name of a release: the Name (the
// release folder), the Team Name (the NFO file) and the archive's whole file name. Windows
// opens a device for "CON" or "nul.nfo" and silently drops a final dot or blank, so such a
// name would write somewhere other than where the user looks, or over another release; it is
// refused before anything is written, with a message that says which name and why.

#include <string>
#include <string_view>

namespace glyphwright {

enum class NameFault {
    None,
    ReservedCharacter,  // one of < > : " / \ | ? *
    ControlCharacter,   // a byte from 0x00 to 0x1F
    HalfCharacter,      // ends with the first byte of a double-byte character
    FolderReference,    // "." or "..": the folder itself or the one above it
    DeviceName,         // CON, PRN, AUX, NUL, COM1..COM9, LPT1..LPT9, with or without extension
    EndsInDotOrBlank,
};

struct NameVerdict {
    NameFault fault = NameFault::None;
    char character = 0;  // the character refused, for the two character faults
    bool Ok() const { return fault == NameFault::None; }
};

// Judges a name character by character in the given code page: in a double-byte page a lead
// byte and the byte after it are one character, so a second byte 0x5C is not a backslash. An
// empty name passes; what it means is the caller's to say.
NameVerdict JudgeFileName(std::string_view name, unsigned codePage);

// One sentence, without a line break: `which` names the field ("Name", "Team Name",
// "archive name"), then the name as typed and the reason.
std::string NameRefusalText(std::string_view which, std::string_view name,
                            const NameVerdict& verdict, unsigned codePage);

}  // namespace glyphwright
