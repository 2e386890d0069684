#pragma once
// The OEM raster fonts that ship beside the program, for systems that lack one.

namespace glyphwright {

// Where the "Terminal" face the window draws NFO art with comes from.
enum class OemFontSource {
    System,   // the system has one (Windows, the test prefixes): asked for as on Windows
    Bundled,  // loaded from beside the program: its sizes are known and one is chosen
    Missing,  // neither: the window's stand-in takes its place
};

// The file beside the executable that holds the font of an OEM code page: code page 866
// (Cyrillic) has its own, every other code page gets 437's.
const char* BundledOemFontFile(unsigned oemCodePage);

// When no "Terminal" face with the OEM character set is installed (a plain Wine prefix), the
// font of the machine's OEM code page beside the executable is loaded for this process only,
// so NFO art shows its box and block characters and its letters. Windows has its own
// Terminal, and then nothing is loaded.
OemFontSource LoadBundledOemFontIfMissing();

}  // namespace glyphwright
