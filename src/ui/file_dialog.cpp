#include "ui/file_dialog.h"

#include <commdlg.h>

#include <vector>

namespace glyphwright::ui {

namespace {

using DialogFunction = BOOL(WINAPI*)(LPOPENFILENAMEA);

// The dialog library is loaded on first use: linked at start it brings the shell's libraries
// with it, which costs every start of the program and serves only the open and save dialogs.
DialogFunction DialogEntry(FileDialogDirection direction) {
    static HMODULE library = LoadLibraryA("comdlg32.dll");
    if (!library) return nullptr;
    const char* name = direction == FileDialogDirection::Open ? "GetOpenFileNameA" : "GetSaveFileNameA";
    return reinterpret_cast<DialogFunction>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace

DWORD FileDialogFlags(FileDialogDirection direction) {
    DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_EXPLORER |
                  OFN_ENABLESIZING | OFN_LONGNAMES;
    // A save dialog that insisted on an existing file could never save under a new name.
    if (direction == FileDialogDirection::Open) flags |= OFN_FILEMUSTEXIST;
    return flags;
}

std::optional<std::string> FileDialog::Run() {
    // The filter is a list of NUL-terminated strings ended by an empty one.
    std::string filterList = filter;
    for (char& c : filterList) {
        if (c == '|') c = '\0';
    }
    filterList.append(2, '\0');

    std::vector<char> path(32768, '\0');
    fileName.copy(path.data(), path.size() - 1);

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filter.empty() ? nullptr : filterList.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrInitialDir = initialFolder.empty() ? nullptr : initialFolder.c_str();
    dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
    dialog.lpstrDefExt = defaultExtension.empty() ? nullptr : defaultExtension.c_str();
    dialog.Flags = FileDialogFlags(direction);

    const DialogFunction run = DialogEntry(direction);
    if (!run || !run(&dialog)) return std::nullopt;
    fileName = path.data();
    return fileName;
}

}  // namespace glyphwright::ui
