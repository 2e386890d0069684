#pragma once
// The steps that start-up runs on the main window: the creation step (before the window is
// visible) and the window-shown handler call these in their fixed order.

namespace glyphwright {

class MainWindow;

// Creation step.
void LoadConfigurationIfPresent(MainWindow& window);
void DetectArchivers(MainWindow& window);

// Window-shown handler.
void FillTemplateLists(MainWindow& window);
void ApplyArchiverOptionTexts(MainWindow& window);
void ShowFirstTemplates(MainWindow& window);
void MakeFirstTemplatesCurrent(MainWindow& window);

}  // namespace glyphwright
