#pragma once
// The OEM raster font that ships beside the program, for systems that lack one.

namespace glyphwright {

// The file name of the bundled font beside the executable.
inline constexpr char kBundledOemFontFile[] = "term437.fon";

// When no "Terminal" face with the OEM character set is installed (a plain Wine prefix), the
// font beside the executable is loaded for this process only, so NFO art shows its box and
// block characters. Windows has its own Terminal, and then nothing is loaded.
void LoadBundledOemFontIfMissing();

}  // namespace glyphwright
