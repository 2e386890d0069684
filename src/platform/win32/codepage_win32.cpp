// Code-page mapping by the system itself, so the output follows the machine's own ANSI and OEM
// code pages rather than the fixed pair of the portable tables.

#include <windows.h>

#include <algorithm>

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

}  // namespace

void AnsiToOemInPlace(char* bytes, std::size_t length) {
    // The A version converts in place when source and destination are the same buffer.
    InSlices(bytes, length, [](char* p, DWORD n) { CharToOemBuffA(p, p, n); });
}

void AnsiLowerInPlace(char* bytes, std::size_t length) {
    InSlices(bytes, length, [](char* p, DWORD n) { CharLowerBuffA(p, n); });
}

}  // namespace glyphwright::platform
