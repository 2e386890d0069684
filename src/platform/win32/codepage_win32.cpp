// Code-page mapping by the system itself, so the output follows the machine's own ANSI and OEM
// code pages rather than the fixed pair of the portable tables.

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/codepage.h"

namespace glyphwright::platform {
namespace {

// The buffer calls take a DWORD length; feed longer texts in slices so a 64-bit size never
// wraps.
template <typename Call>
void InSlices(char* bytes, std::size_t length, Call call) {
    constexpr std::size_t kSlice = 0x40000000;
    while (length > 0) {
        const std::size_t slice = std::min(length, kSlice);
        call(bytes, static_cast<DWORD>(slice));
        bytes += slice;
        length -= slice;
    }
}

// One character at a time, through UTF-16: a character whose OEM form is longer or shorter
// than its ANSI form (possible only between pages of different kinds) becomes that many '?',
// so no column after it moves.
void MapByCharacter(UINT ansiCodePage, UINT oemCodePage, char* bytes, std::size_t length) {
    for (std::size_t at = 0; at < length;) {
        const std::size_t width =
            at + 1 < length && IsDBCSLeadByteEx(ansiCodePage, static_cast<BYTE>(bytes[at])) ? 2 : 1;
        WCHAR wide[2];
        const int wideLength =
            MultiByteToWideChar(ansiCodePage, 0, bytes + at, static_cast<int>(width), wide, 2);
        char mapped[8];
        const int mappedLength = wideLength > 0
                                     ? WideCharToMultiByte(oemCodePage, 0, wide, wideLength, mapped,
                                                           sizeof mapped, nullptr, nullptr)
                                     : 0;
        if (mappedLength == static_cast<int>(width)) {
            std::memcpy(bytes + at, mapped, width);
        } else {
            std::memset(bytes + at, '?', width);
        }
        at += width;
    }
}

}  // namespace

void AnsiToOemInPlace(unsigned ansiCodePage, unsigned oemCodePage, char* bytes,
                      std::size_t length) {
    // The whole text in two calls; between the usual pairs (1252 and 437, 932 and 932, ...)
    // every character keeps its length, and the text is taken as it came out. Texts too long
    // for the calls' int lengths, and pairs that change a length, go character by character.
    constexpr std::size_t kWhole = 0x10000000;
    if (length == 0) return;
    if (length <= kWhole) {
        // Values are mostly short: those need no allocation.
        constexpr std::size_t kOnStack = 256;
        WCHAR wideOnStack[kOnStack];
        char mappedOnStack[kOnStack];
        std::unique_ptr<WCHAR[]> wideOnHeap;
        std::unique_ptr<char[]> mappedOnHeap;
        WCHAR* wide = wideOnStack;
        char* mapped = mappedOnStack;
        if (length > kOnStack) {
            wideOnHeap.reset(new WCHAR[length]);
            mappedOnHeap.reset(new char[length]);
            wide = wideOnHeap.get();
            mapped = mappedOnHeap.get();
        }
        const int count = static_cast<int>(length);
        const int wideLength = MultiByteToWideChar(ansiCodePage, 0, bytes, count, wide, count);
        const int mappedLength = wideLength > 0
                                     ? WideCharToMultiByte(oemCodePage, 0, wide, wideLength, mapped,
                                                           count, nullptr, nullptr)
                                     : 0;
        if (mappedLength == count) {
            std::memcpy(bytes, mapped, length);
            return;
        }
    }
    MapByCharacter(ansiCodePage, oemCodePage, bytes, length);
}

void AnsiToOemInPlace(char* bytes, std::size_t length) {
    AnsiToOemInPlace(GetACP(), GetOEMCP(), bytes, length);
}

unsigned AnsiCodePage() { return GetACP(); }

unsigned OemCodePage() { return GetOEMCP(); }

bool IsLeadByte(unsigned codePage, unsigned char byte) {
    return IsDBCSLeadByteEx(codePage, byte) != FALSE;
}

void AnsiLowerInPlace(char* bytes, std::size_t length) {
    InSlices(bytes, length, [](char* p, DWORD n) { CharLowerBuffA(p, n); });
}

}  // namespace glyphwright::platform
