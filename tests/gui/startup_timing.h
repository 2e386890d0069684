#pragma once
// Start-up time of the program under test, as a figure to report (never a test): from process
// start to the main window being shown, over several fresh installs.

namespace glyphwright::guitest {

// Prints each run and the median; returns non-zero if a run failed to start.
int MeasureStartup(int runs);

}  // namespace glyphwright::guitest
