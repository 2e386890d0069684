#include "output/file_name_rule.h"

#include "platform/codepage.h"

namespace glyphwright {
namespace {

constexpr std::string_view kReservedCharacters = "<>:\"/\\|?*";
constexpr unsigned kWesternCodePage = 1252;

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameIgnoringCase(std::string_view text, std::string_view upper) {
    if (text.size() != upper.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (UpperAscii(text[i]) != upper[i]) return false;
    }
    return true;
}

// A port number: 1 to 9, and in the Western code page also the superscripts one, two and
// three, which Windows reads as those digits.
bool IsPortDigit(char c, unsigned codePage) {
    if (c >= '1' && c <= '9') return true;
    const auto byte = static_cast<unsigned char>(c);
    return codePage == kWesternCodePage && (byte == 0xB9 || byte == 0xB2 || byte == 0xB3);
}

// Windows reads the part before the first dot, blanks at its end dropped, as the device: "nul",
// "NUL.nfo" and "nul .txt" all open the null device.
bool IsDeviceName(std::string_view name, unsigned codePage) {
    std::string_view base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
    for (const std::string_view device : {"CON", "PRN", "AUX", "NUL"}) {
        if (SameIgnoringCase(base, device)) return true;
    }
    if (base.size() != 4) return false;
    const std::string_view stem = base.substr(0, 3);
    return (SameIgnoringCase(stem, "COM") || SameIgnoringCase(stem, "LPT")) &&
           IsPortDigit(base[3], codePage);
}

void AppendHex(std::string& text, unsigned char byte) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    text += "0x";
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0xF];
}

// The name as the message quotes it: control characters written as their byte, a long name
// cut after a whole character.
void AppendShown(std::string& text, std::string_view name, unsigned codePage) {
    constexpr std::size_t kLongest = 80;
    std::size_t at = 0;
    while (at < name.size()) {
        const auto byte = static_cast<unsigned char>(name[at]);
        const std::size_t width =
            at + 1 < name.size() && platform::IsLeadByte(codePage, byte) ? 2 : 1;
        if (at + width > kLongest) {
            text += "...";
            break;
        }
        if (byte < 0x20) {
            text += '<';
            AppendHex(text, byte);
            text += '>';
        } else {
            text.append(name.substr(at, width));
        }
        at += width;
    }
}

void AppendReason(std::string& text, const NameVerdict& verdict) {
    switch (verdict.fault) {
    case NameFault::ReservedCharacter:
        text += "it holds '";
        text += verdict.character;
        text += "', and Windows allows none of < > : \" / \\ | ? * in a name";
        break;
    case NameFault::ControlCharacter:
        text += "it holds a control character (byte ";
        AppendHex(text, static_cast<unsigned char>(verdict.character));
        text += ')';
        break;
    case NameFault::HalfCharacter: text += "it ends with the first half of a double-byte character"; break;
    case NameFault::FolderReference: text += "it names the folder itself or the folder above it"; break;
    case NameFault::DeviceName:
        text += "it is a device name in Windows (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, "
                "also with an extension)";
        break;
    case NameFault::EndsInDotOrBlank:
        text += "it ends in a dot or a blank, which Windows drops, so it would name another file "
                "or folder";
        break;
    case NameFault::None: break;
    }
}

}  // namespace

NameVerdict JudgeFileName(std::string_view name, unsigned codePage) {
    NameVerdict verdict;
    for (std::size_t at = 0; at < name.size(); ++at) {
        const char c = name[at];
        if (platform::IsLeadByte(codePage, static_cast<unsigned char>(c))) {
            if (at + 1 == name.size()) {
                verdict.fault = NameFault::HalfCharacter;
                return verdict;
            }
            ++at;  // the second byte belongs to this character, whatever its value
            continue;
        }
        if (static_cast<unsigned char>(c) < 0x20) verdict.fault = NameFault::ControlCharacter;
        if (kReservedCharacters.find(c) != std::string_view::npos)
            verdict.fault = NameFault::ReservedCharacter;
        if (!verdict.Ok()) {
            verdict.character = c;
            return verdict;
        }
    }
    if (name == "." || name == "..") {
        verdict.fault = NameFault::FolderReference;
    } else if (IsDeviceName(name, codePage)) {
        verdict.fault = NameFault::DeviceName;
    } else if (!name.empty() && (name.back() == '.' || name.back() == ' ')) {
        // A second byte is never a dot or a blank in the double-byte pages, so the last byte
        // tells.
        verdict.fault = NameFault::EndsInDotOrBlank;
    }
    return verdict;
}

std::string NameRefusalText(std::string_view which, std::string_view name,
                            const NameVerdict& verdict, unsigned codePage) {
    std::string text = "The ";
    text.append(which);
    text += " \"";
    AppendShown(text, name, codePage);
    text += "\" cannot name a file or folder: ";
    AppendReason(text, verdict);
    text += '.';
    return text;
}

}  // namespace glyphwright
