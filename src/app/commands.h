#pragma once
// The handlers of the menu commands and of the control events that belong to the program's
// later work (templates, configuration, saving, archiving, projects). Each receives the main
// window object and reads or writes the release record through its controls.

#include <string>
#include <string_view>

namespace glyphwright {

class MainWindow;

// The file name the template listing gave for the current entry of a template box (UTF-8);
// empty for the DIZ box's "no template" entry and for an empty box.
std::string CurrentNfoTemplate(const MainWindow& window);
std::string CurrentDizTemplate(const MainWindow& window);

// A command that failed says so: a box owned by the main window under its caption. The text is
// UTF-8, so that it can name any file.
void ReportFailure(MainWindow& window, std::string_view text);

// --- Menu commands --------------------------------------------------------------------------
void OpenProject(MainWindow& window);
void SaveProject(MainWindow& window);
void SaveNfoAndDiz(MainWindow& window);
void CreateRelease(MainWindow& window);
// Posts WM_CLOSE to the main window; the message loop then ends the program.
void ExitProgram(MainWindow& window);
void MakeNfo(MainWindow& window);
void MakeDiz(MainWindow& window);
void ViewNfo(MainWindow& window);
// Shows the raw DIZ template only when the DIZ template box's current entry is not empty.
void ViewDiz(MainWindow& window);

// --- Control events -------------------------------------------------------------------------
// Change of the release type {L}: loads the install text of that type into {S}.
void ApplyInstallInfo(MainWindow& window);
// A new choice in a template box: the template's raw text into its preview.
void ShowNfoTemplate(MainWindow& window);
void ShowDizTemplate(MainWindow& window);

}  // namespace glyphwright
