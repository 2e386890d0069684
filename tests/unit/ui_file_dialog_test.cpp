// Wine's save dialog ignores OFN_FILEMUSTEXIST, so a GUI test cannot tell whether the save
// dialog would refuse new names on Windows; the flags themselves are checked here.
#ifdef _WIN32
#include <gtest/gtest.h>

#include <windows.h>

#include <commdlg.h>

#include "ui/file_dialog.h"

namespace glyphwright::ui {
namespace {

TEST(FileDialogFlags, SavingTakesNewNamesAndAsksBeforeReplacing) {
    const DWORD flags = FileDialogFlags(FileDialogDirection::Save);
    EXPECT_EQ(flags & OFN_FILEMUSTEXIST, 0u);
    EXPECT_NE(flags & OFN_OVERWRITEPROMPT, 0u);
    EXPECT_NE(flags & OFN_PATHMUSTEXIST, 0u);
}

TEST(FileDialogFlags, OpeningTakesOnlyExistingFiles) {
    const DWORD flags = FileDialogFlags(FileDialogDirection::Open);
    EXPECT_NE(flags & OFN_FILEMUSTEXIST, 0u);
    EXPECT_NE(flags & OFN_PATHMUSTEXIST, 0u);
}

TEST(FileDialogFlags, BothAreExplorerStyleResizableAndHideReadOnly) {
    for (FileDialogDirection direction : {FileDialogDirection::Open, FileDialogDirection::Save}) {
        const DWORD flags = FileDialogFlags(direction);
        for (DWORD wanted : {DWORD{OFN_EXPLORER}, DWORD{OFN_ENABLESIZING}, DWORD{OFN_HIDEREADONLY},
                             DWORD{OFN_LONGNAMES}}) {
            EXPECT_EQ(flags & wanted, wanted);
        }
    }
}

}  // namespace
}  // namespace glyphwright::ui
#endif
