#include "psf_font.h"

namespace glyphwright::fon {
namespace {

constexpr std::uint8_t kPsf1Magic[2] = {0x36, 0x04};
constexpr std::uint8_t kPsf1Mode512 = 0x01;
constexpr std::uint8_t kPsf1ModeHasTable = 0x02;
constexpr std::uint8_t kPsf1ModeHasSequences = 0x04;
constexpr unsigned kPsf1Separator = 0xFFFF;
constexpr unsigned kPsf1SequenceStart = 0xFFFE;

constexpr std::uint8_t kPsf2Magic[4] = {0x72, 0xB5, 0x4A, 0x86};
constexpr std::uint32_t kPsf2HasTable = 0x01;
constexpr std::uint8_t kPsf2Separator = 0xFF;
constexpr std::uint8_t kPsf2SequenceStart = 0xFE;
constexpr std::size_t kPsf2HeaderSize = 32;

// Fonts as large as these exist nowhere; the limits keep a damaged header from asking for
// gigabytes.
constexpr std::uint32_t kMaxGlyphs = 65536;
constexpr std::uint32_t kMaxSide = 256;

void Remember(PsfFont& font, char32_t code, std::size_t glyph) {
    font.glyph_of.emplace(code, glyph);  // the first glyph listed for a character wins
}

bool CutGlyphs(const Bytes& file, std::size_t offset, std::size_t count, PsfFont& font,
               std::string& error) {
    const std::size_t glyph_size = font.row_bytes() * font.height;
    if (offset > file.size() || (file.size() - offset) / glyph_size < count) {
        error = "the file ends inside its glyphs";
        return false;
    }
    font.glyphs.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        auto first = file.begin() + static_cast<std::ptrdiff_t>(offset + i * glyph_size);
        font.glyphs.emplace_back(first, first + static_cast<std::ptrdiff_t>(glyph_size));
    }
    return true;
}

bool ParsePsf1(const Bytes& file, PsfFont& font, std::string& error) {
    const std::uint8_t mode = file[2];
    font.width = 8;
    font.height = file[3];
    if (font.height == 0) {
        error = "PSF1 header gives no glyph height";
        return false;
    }
    const std::size_t count = (mode & kPsf1Mode512) ? 512 : 256;
    if (!CutGlyphs(file, 4, count, font, error)) return false;
    if (!(mode & (kPsf1ModeHasTable | kPsf1ModeHasSequences))) {
        error = "the font has no Unicode table";
        return false;
    }
    std::size_t at = 4 + count * font.height;
    std::size_t glyph = 0;
    bool in_sequences = false;
    while (glyph < count && at + 1 < file.size()) {
        const unsigned value = read_u16(file, at);
        at += 2;
        if (value == kPsf1Separator) {
            ++glyph;
            in_sequences = false;
        } else if (value == kPsf1SequenceStart) {
            in_sequences = true;  // combining sequences name no single character
        } else if (!in_sequences) {
            Remember(font, value, glyph);
        }
    }
    return true;
}

// Decodes one UTF-8 character at `at`; a malformed byte is skipped as a character of its own
// that no font will be asked for.
char32_t NextUtf8(const Bytes& file, std::size_t& at, std::size_t end) {
    const std::uint8_t lead = file[at++];
    int extra = 0;
    char32_t code = 0;
    if (lead < 0x80) return lead;
    if ((lead & 0xE0) == 0xC0) { extra = 1; code = lead & 0x1F; }
    else if ((lead & 0xF0) == 0xE0) { extra = 2; code = lead & 0x0F; }
    else if ((lead & 0xF8) == 0xF0) { extra = 3; code = lead & 0x07; }
    else return 0xFFFFFFFF;
    for (int i = 0; i < extra; ++i) {
        if (at >= end || (file[at] & 0xC0) != 0x80) return 0xFFFFFFFF;
        code = (code << 6) | (file[at++] & 0x3F);
    }
    return code;
}

bool ParsePsf2(const Bytes& file, PsfFont& font, std::string& error) {
    if (file.size() < kPsf2HeaderSize) {
        error = "the file is shorter than a PSF2 header";
        return false;
    }
    const std::uint32_t header_size = read_u32(file, 8);
    const std::uint32_t flags = read_u32(file, 12);
    const std::uint32_t count = read_u32(file, 16);
    const std::uint32_t glyph_size = read_u32(file, 20);
    font.height = read_u32(file, 24);
    font.width = read_u32(file, 28);
    if (font.width == 0 || font.height == 0 || font.width > kMaxSide || font.height > kMaxSide ||
        count == 0 || count > kMaxGlyphs || header_size < kPsf2HeaderSize) {
        error = "the PSF2 header is implausible";
        return false;
    }
    if (glyph_size != font.row_bytes() * font.height) {
        error = "the PSF2 glyph size does not match its width and height";
        return false;
    }
    if (!CutGlyphs(file, header_size, count, font, error)) return false;
    if (!(flags & kPsf2HasTable)) {
        error = "the font has no Unicode table";
        return false;
    }
    std::size_t at = header_size + static_cast<std::size_t>(count) * glyph_size;
    std::size_t glyph = 0;
    bool in_sequences = false;
    while (glyph < count && at < file.size()) {
        if (file[at] == kPsf2Separator) {
            ++at;
            ++glyph;
            in_sequences = false;
        } else if (file[at] == kPsf2SequenceStart) {
            ++at;
            in_sequences = true;
        } else {
            const char32_t code = NextUtf8(file, at, file.size());
            if (!in_sequences && code != 0xFFFFFFFF) Remember(font, code, glyph);
        }
    }
    return true;
}

bool StartsWith(const Bytes& file, const std::uint8_t* magic, std::size_t length) {
    if (file.size() < length) return false;
    for (std::size_t i = 0; i < length; ++i)
        if (file[i] != magic[i]) return false;
    return true;
}

}  // namespace

bool ParsePsf(const Bytes& file, PsfFont& font, std::string& error) {
    font = PsfFont{};
    if (StartsWith(file, kPsf2Magic, sizeof kPsf2Magic)) return ParsePsf2(file, font, error);
    if (StartsWith(file, kPsf1Magic, sizeof kPsf1Magic) && file.size() >= 4) return ParsePsf1(file, font, error);
    error = "not a PC Screen Font (PSF1 or PSF2)";
    return false;
}

}  // namespace glyphwright::fon
