#pragma once
// The one open/save dialog of a window. Its user sets direction, filter, default extension,
// folder and file name before each run; all of them, and the path chosen, are UTF-8.

#include <windows.h>

#include <optional>
#include <string>

namespace glyphwright::ui {

enum class FileDialogDirection { Open, Save };

// The dialog's OFN_* flags for a direction: both ask before replacing and want an existing
// folder; only opening wants an existing file, since saving must take new names.
DWORD FileDialogFlags(FileDialogDirection direction);

class FileDialog {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    // A font for the dialog's own controls, where the system's face for them would fault on
    // the names shown (a plain Wine set-up): nullptr leaves the dialog as the system makes it.
    void SetControlsFont(HFONT font) { controlsFont_ = font; }

    FileDialogDirection direction = FileDialogDirection::Open;
    std::string title;             // empty: the system's own title for the direction
    std::string filter;            // "Description|*.ext" pairs separated by '|'
    std::string defaultExtension;  // without the dot; added to a name typed without one
    std::string initialFolder;     // empty: the system's choice
    std::string fileName;          // proposed name; after a run, the chosen path

    // Runs the dialog modally; the chosen path, or nothing when it was cancelled.
    std::optional<std::string> Run();

    // What the dialog's hook needs from one run.
    struct HookData {
        HFONT font;
        const wchar_t* presetName;
    };

private:
    HWND owner_ = nullptr;
    HFONT controlsFont_ = nullptr;
};

}  // namespace glyphwright::ui
