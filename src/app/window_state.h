#pragma once
// What the main window keeps between commands apart from its controls: the last renderings,
// the Spacer text remembered before a keystroke, where the archivers were found and the
// options read at start-up. The release record itself lives in the controls.

#include <string>
#include <vector>

#include "model/configuration.h"
#include "render/document.h"

namespace glyphwright {

struct WindowState {
    // Keep their last content between "Make" commands; replaced only by a successful load.
    Document nfoDocument;
    Document dizDocument;
    // The last non-empty Spacer text seen before a keystroke; empty at start, never stored.
    std::string rememberedSpacer;
    // Found once at start-up. A path is kept even when its files were not found: packing
    // reaches it only through a selected button.
    PerArchiver<std::string> archiverPaths;
    // Read at start-up, shown in the option fields once the window appears.
    ArchiverOptions heldArchiverOptions;
    // The file names the template listing gave, in the order of the boxes' entries: an entry
    // leads to its file through these, never through the text the list shows.
    std::vector<std::string> nfoTemplates;
    std::vector<std::string> dizTemplates;
};

}  // namespace glyphwright
