#pragma once
// Keeps the File Name field {Q} in step with Name {A} and the Spacer as the user types: the
// handlers of those fields' events.

namespace glyphwright {

class MainWindow;

// {Q} := {A} with every space replaced by the Spacer's text.
void UpdateFileNameField(MainWindow& window);
// Before a typed character reaches the Spacer: remember its text if it is not empty.
void RememberSpacer(MainWindow& window);
// After the Spacer changed: in {Q}, the remembered spacer becomes the new Spacer text.
void ReplaceSpacerInFileNameField(MainWindow& window);

}  // namespace glyphwright
