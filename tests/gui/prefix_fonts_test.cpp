// The fonts the program names must exist in the Wine prefix the tests run in, and behave as
// Windows' own where NFO art depends on it: "Terminal" is an OEM (code page 437) fixed-pitch
// raster font whose box-drawing glyphs join from cell to cell. A fresh prefix has none of
// them and silently substitutes a proportional ANSI face, so these checks guard the prefix
// set-up (scripts/wine-prefix-setup.sh) rather than the program.

#include <windows.h>

#include <string>

#include "gui_framework.h"

namespace glyphwright::guitest {
namespace {

constexpr int kProgramFontHeight = -11;  // what the program asks for: the window font's height
// Narrower than Windows' 8x12 strike: the views (about 515 pixels of text) are laid out for the
// smaller one Windows picks for the program's request, and hold 79 columns of 6 pixels, not of 8.
constexpr int kTerminalWidth = 6, kTerminalHeight = 12;
constexpr int kNfoColumns = 79;

class SelectedFont {
public:
    SelectedFont(const char* face, int weight, BYTE charset)
        : dc_(CreateCompatibleDC(nullptr)),
          font_(CreateFontA(kProgramFontHeight, 0, 0, 0, weight, FALSE, FALSE, FALSE, charset,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_DONTCARE, face)),
          previous_(SelectObject(dc_, font_)) {}
    ~SelectedFont() {
        SelectObject(dc_, previous_);
        DeleteObject(font_);
        DeleteDC(dc_);
    }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

    HDC dc() const { return dc_; }
    HFONT font() const { return font_; }
    std::string Face() const {
        char face[LF_FACESIZE] = {};
        GetTextFaceA(dc_, sizeof face, face);
        return face;
    }
    TEXTMETRICA Metrics() const {
        TEXTMETRICA metrics = {};
        GetTextMetricsA(dc_, &metrics);
        return metrics;
    }
    LONG Width(const std::string& text) const {
        SIZE size = {};
        GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
        return size.cx;
    }

private:
    HDC dc_;
    HFONT font_;
    HGDIOBJ previous_;
};

// The flag's name says the opposite of its meaning: set means variable pitch.
bool FixedPitch(const TEXTMETRICA& metrics) { return !(metrics.tmPitchAndFamily & TMPF_FIXED_PITCH); }

// All 256 bytes drawn side by side through the A path, black on white, one cell each.
class DosByteStrip {
public:
    DosByteStrip() {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = kTerminalWidth * 256;
        info.bmiHeader.biHeight = -kTerminalHeight;  // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(terminal_.dc(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        pixels_ = static_cast<const DWORD*>(bits);
        previous_ = SelectObject(terminal_.dc(), bitmap_);
        PatBlt(terminal_.dc(), 0, 0, kTerminalWidth * 256, kTerminalHeight, WHITENESS);
        SetTextColor(terminal_.dc(), RGB(0, 0, 0));
        SetBkMode(terminal_.dc(), TRANSPARENT);
        char bytes[256];
        for (int i = 0; i < 256; ++i) bytes[i] = static_cast<char>(i);
        TextOutA(terminal_.dc(), 0, 0, bytes, 256);
        GdiFlush();
    }
    ~DosByteStrip() {
        SelectObject(terminal_.dc(), previous_);
        DeleteObject(bitmap_);
    }
    DosByteStrip(const DosByteStrip&) = delete;
    DosByteStrip& operator=(const DosByteStrip&) = delete;

    // Without the font every later check would fail alike; one failure says it better.
    bool Ok() const { return pixels_ != nullptr && terminal_.Face() == "Terminal"; }
    bool Ink(int code, int x, int y) const {
        return (pixels_[y * kTerminalWidth * 256 + code * kTerminalWidth + x] & 0xFFFFFF) == 0;
    }
    int InkCount(int code) const {
        int count = 0;
        for (int y = 0; y < kTerminalHeight; ++y)
            for (int x = 0; x < kTerminalWidth; ++x) count += Ink(code, x, y);
        return count;
    }
    // Where a glyph meets an edge of its cell, as a bit per row (left, right) or column
    // (top, bottom); a line continues into the next cell only where these agree.
    enum Edge { kLeft, kRight, kTop, kBottom };
    unsigned EdgeInk(int code, Edge edge) const {
        unsigned mask = 0;
        const bool vertical = edge == kLeft || edge == kRight;
        const int length = vertical ? kTerminalHeight : kTerminalWidth;
        for (int i = 0; i < length; ++i) {
            const int x = vertical ? (edge == kLeft ? 0 : kTerminalWidth - 1) : i;
            const int y = vertical ? i : (edge == kTop ? 0 : kTerminalHeight - 1);
            if (Ink(code, x, y)) mask |= 1u << i;
        }
        return mask;
    }

private:
    SelectedFont terminal_{"Terminal", FW_NORMAL, DEFAULT_CHARSET};
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    const DWORD* pixels_ = nullptr;
};

GUI_SCENARIO(prefix_terminal_is_an_oem_fixed_pitch_raster_font) {
    for (BYTE charset : {static_cast<BYTE>(DEFAULT_CHARSET), static_cast<BYTE>(OEM_CHARSET)}) {
        FailureContext context("asked with character set " + std::to_string(charset));
        SelectedFont terminal("Terminal", FW_NORMAL, charset);
        const TEXTMETRICA metrics = terminal.Metrics();
        CHECK_EQ(terminal.Face(), std::string("Terminal"));
        CHECK_EQ(static_cast<int>(metrics.tmCharSet), OEM_CHARSET);
        CHECK(FixedPitch(metrics));
        CHECK(!(metrics.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE)));
        CHECK_EQ(metrics.tmHeight, static_cast<LONG>(kTerminalHeight));
        CHECK_EQ(metrics.tmAveCharWidth, static_cast<LONG>(kTerminalWidth));
        CHECK_EQ(metrics.tmMaxCharWidth, static_cast<LONG>(kTerminalWidth));
        const std::string nfo_line(kNfoColumns, '\xC4');
        CHECK_EQ(terminal.Width(nfo_line), static_cast<LONG>(kNfoColumns * kTerminalWidth));
    }
}

GUI_SCENARIO(prefix_terminal_draws_every_dos_byte_and_box_lines_join) {
    DosByteStrip strip;
    REQUIRE(strip.Ok());
    for (int code = 0; code < 256; ++code) {
        const bool blank = code == 0x00 || code == 0x20 || code == 0xFF;
        FailureContext context("byte " + std::to_string(code));
        CHECK_EQ(strip.InkCount(code) == 0, blank);
    }
    CHECK_EQ(strip.InkCount(0xDB), kTerminalWidth * kTerminalHeight);  // full block fills the cell

    using Edge = DosByteStrip::Edge;
    struct Join {
        int first;
        Edge first_edge;
        int second;
        Edge second_edge;
    };
    // Neighbours in a frame: ┌─┐ │ └─┘, ╔═╗ ║ ╚═╝, crossings and tees.
    const Join joins[] = {
        {0xDA, Edge::kRight, 0xC4, Edge::kLeft},  {0xC4, Edge::kRight, 0xBF, Edge::kLeft},
        {0xDA, Edge::kBottom, 0xB3, Edge::kTop},  {0xB3, Edge::kBottom, 0xC0, Edge::kTop},
        {0xC0, Edge::kRight, 0xC4, Edge::kLeft},  {0xC4, Edge::kRight, 0xD9, Edge::kLeft},
        {0xBF, Edge::kBottom, 0xB3, Edge::kTop},  {0xB3, Edge::kBottom, 0xD9, Edge::kTop},
        {0xC4, Edge::kRight, 0xC5, Edge::kLeft},  {0xB3, Edge::kBottom, 0xC5, Edge::kTop},
        {0xB3, Edge::kBottom, 0xB3, Edge::kTop},  {0xC4, Edge::kRight, 0xC4, Edge::kLeft},
        {0xC9, Edge::kRight, 0xCD, Edge::kLeft},  {0xCD, Edge::kRight, 0xBB, Edge::kLeft},
        {0xC9, Edge::kBottom, 0xBA, Edge::kTop},  {0xBA, Edge::kBottom, 0xC8, Edge::kTop},
        {0xC8, Edge::kRight, 0xCD, Edge::kLeft},  {0xCD, Edge::kRight, 0xBC, Edge::kLeft},
        {0xBA, Edge::kBottom, 0xBA, Edge::kTop},  {0xCD, Edge::kRight, 0xCE, Edge::kLeft},
        {0xBA, Edge::kBottom, 0xCC, Edge::kTop},  {0xCC, Edge::kRight, 0xCD, Edge::kLeft},
    };
    for (const Join& join : joins) {
        FailureContext context("bytes " + std::to_string(join.first) + " and " + std::to_string(join.second));
        const unsigned first = strip.EdgeInk(join.first, join.first_edge);
        CHECK(first != 0);
        CHECK_EQ(first, strip.EdgeInk(join.second, join.second_edge));
    }
    // Corners stop at their own edges: ┌ and ╔ neither reach left nor up.
    for (int corner : {0xDA, 0xC9}) {
        FailureContext context("corner " + std::to_string(corner));
        CHECK_EQ(strip.EdgeInk(corner, Edge::kLeft), 0u);
        CHECK_EQ(strip.EdgeInk(corner, Edge::kTop), 0u);
    }
}

// The previews hand OEM bytes to an edit control through the A API, so each character
// reaches the font decoded with the ANSI code page; the font must draw the DOS picture of
// the byte all the same, as Windows' Terminal does.
GUI_SCENARIO(prefix_terminal_draws_ansi_decoded_text_as_dos_pictures) {
    SelectedFont terminal("Terminal", FW_NORMAL, DEFAULT_CHARSET);
    REQUIRE(terminal.Face() == "Terminal");
    for (int code = 1; code < 256; ++code) {
        FailureContext context("byte " + std::to_string(code));
        const char byte = static_cast<char>(code);
        WCHAR wide = 0;
        REQUIRE(MultiByteToWideChar(CP_ACP, 0, &byte, 1, &wide, 1) == 1);
        WORD by_byte = 0, by_character = 0;
        GetGlyphIndicesA(terminal.dc(), &byte, 1, &by_byte, GGI_MARK_NONEXISTING_GLYPHS);
        GetGlyphIndicesW(terminal.dc(), &wide, 1, &by_character, GGI_MARK_NONEXISTING_GLYPHS);
        CHECK(by_byte != 0xFFFF);
        CHECK_EQ(by_character, by_byte);
    }
}

GUI_SCENARIO(prefix_has_tahoma_and_a_fixed_pitch_lucida_console) {
    {
        SelectedFont tahoma("Tahoma", FW_NORMAL, DEFAULT_CHARSET);
        CHECK_EQ(tahoma.Face(), std::string("Tahoma"));
        CHECK(!FixedPitch(tahoma.Metrics()));
    }
    {
        // The real bold face, not the regular one thickened: its own full name says so.
        SelectedFont bold("Tahoma", FW_BOLD, DEFAULT_CHARSET);
        CHECK_EQ(bold.Face(), std::string("Tahoma"));
        CHECK_EQ(bold.Metrics().tmWeight, static_cast<LONG>(FW_BOLD));
        char buffer[1024] = {};
        auto* outline = reinterpret_cast<OUTLINETEXTMETRICA*>(buffer);
        REQUIRE(GetOutlineTextMetricsA(bold.dc(), sizeof buffer, outline) != 0);
        CHECK_EQ(std::string(buffer + reinterpret_cast<UINT_PTR>(outline->otmpFaceName)), std::string("Tahoma Bold"));
    }
    {
        SelectedFont lucida("Lucida Console", FW_NORMAL, DEFAULT_CHARSET);
        CHECK_EQ(lucida.Face(), std::string("Lucida Console"));
        CHECK(FixedPitch(lucida.Metrics()));
        CHECK_EQ(lucida.Width("iiii"), lucida.Width("WWWW"));
    }
}

}  // namespace
}  // namespace glyphwright::guitest
