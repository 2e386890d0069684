#pragma once
// The two one-time steps of start-up that run on the main window.

namespace glyphwright {

class MainWindow;

// Runs once, at the end of CreateMainWindow, while the window is still hidden: unchecks the
// archiver buttons, reads the configuration file if there is one, locates the archivers.
void RunCreationStep(MainWindow& window);

// Runs when the main window is first shown: first page, template boxes, archiver option
// texts, File Name {Q}, template previews.
void OnWindowShown(MainWindow& window);

}  // namespace glyphwright
