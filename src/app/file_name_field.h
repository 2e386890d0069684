#pragma once
// The derivations that keep File Name {Q} in step with Name {A} and the Spacer, run on the
// events of those fields.

namespace glyphwright {

class MainWindow;

// {Q} := {A} with every space replaced by the Spacer's text.
void DeriveFileName(MainWindow& window);
// Before a typed character reaches the Spacer: remember its text if it is not empty.
void RememberSpacer(MainWindow& window);
// After the Spacer changed: in {Q}, the remembered spacer becomes the new Spacer text.
void ReplaceSpacer(MainWindow& window);

}  // namespace glyphwright
