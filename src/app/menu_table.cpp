#include "app/menu_table.h"

#include "app/commands.h"
#include "app/control_ids.h"
#include "app/main_window.h"

namespace glyphwright {

using namespace ids;

const MenuEntry kMenuEntries[] = {
    {"&File", "Open Project", kCmdOpenProject, OpenProject, kNoPage},
    {"&File", "Save Project", kCmdSaveProject, SaveProject, kNoPage},
    {"&File", "Save NFO && DIZ", kCmdSaveNfoDiz, SaveNfoAndDiz, kNoPage},
    {"&File", "Create Release", kCmdCreateRelease, CreateRelease, kNoPage},
    {"&File", "E&xit", kCmdExit, ExitProgram, kNoPage},
    {"&Make", "Make NFO", kCmdMakeNfo, MakeNfo, kNoPage},  // shows its page itself, once made
    {"&Make", "Make DIZ", kCmdMakeDiz, MakeDiz, kPagePreviewDiz},
    {"&View", "View NFO", kCmdViewNfo, ViewNfo, kPagePreviewNfo},
    {"&View", "View DIZ", kCmdViewDiz, ViewDiz, kPagePreviewDiz},
};
const std::size_t kMenuEntryCount = sizeof kMenuEntries / sizeof kMenuEntries[0];

void RunMenuCommand(MainWindow& window, int command) {
    for (std::size_t i = 0; i < kMenuEntryCount; ++i) {
        const MenuEntry& entry = kMenuEntries[i];
        if (entry.command != command) continue;
        entry.handler(window);
        if (entry.pageAfter != kNoPage) window.SelectPage(entry.pageAfter);
        return;
    }
}

}  // namespace glyphwright
