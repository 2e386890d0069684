#pragma once
// Start-up time of the program under test, as a figure to report (never a test): from process
// start to the main window being shown, over several fresh installs, alternately with a bare
// window of the same size when one is given (tests/gui_stub/bare_window.cpp).

#include <string>

namespace glyphwright::guitest {

// Prints each run and the medians; returns non-zero if a run failed to start. With a template
// path, that file is the first (and only) template in the program's Templates folder.
int MeasureStartup(int runs, const std::string& bareWindowPath, const std::string& templatePath = "");

}  // namespace glyphwright::guitest
