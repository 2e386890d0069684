#pragma once

namespace glyphwright::fon {

// Checks the pure parts (PSF reading, character choice, FNT and NE encoding) on fonts made
// up in memory. Prints each failure and a summary line; returns the process exit code.
int RunSelfTest();

}  // namespace glyphwright::fon
