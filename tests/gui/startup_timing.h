#pragma once
// Start-up time of the program under test, as a figure to report (never a test): from process
// start to the main window being shown, over several fresh installs, alternately with a bare
// window of the same size when one is given (tests/gui_stub/bare_window.cpp).

#include <string>

namespace glyphwright::guitest {

// Prints each run and the medians; returns non-zero if a run failed to start.
int MeasureStartup(int runs, const std::string& bareWindowPath);

}  // namespace glyphwright::guitest
