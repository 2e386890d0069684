#include "ui/file_dialog.h"

#include <commdlg.h>
#include <dlgs.h>

#include <algorithm>
#include <vector>

#include "platform/wide_text.h"

namespace glyphwright::ui {

namespace {

using DialogFunction = BOOL(WINAPI*)(LPOPENFILENAMEW);

// The dialog library is loaded on first use: linked at start it brings the shell's libraries
// with it, which costs every start of the program and serves only the open and save dialogs.
DialogFunction DialogEntry(FileDialogDirection direction) {
    static HMODULE library = LoadLibraryA("comdlg32.dll");
    if (!library) return nullptr;
    const char* name = direction == FileDialogDirection::Open ? "GetOpenFileNameW" : "GetSaveFileNameW";
    return reinterpret_cast<DialogFunction>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

BOOL CALLBACK SetFontOf(HWND control, LPARAM font) {
    SendMessageW(control, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
    return TRUE;
}

// The hook of an explorer-style dialog is a child dialog of its own; its parent is the dialog.
// The font goes to every control there once they exist, and again when another folder's view
// is made. The preset name is set before the hook hears anything, so the dialog starts empty
// and the hook puts the name in, once the edit has the font.
UINT_PTR CALLBACK GiveControlsFont(HWND hook, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(hook, DWLP_USER, reinterpret_cast<const OPENFILENAMEW*>(lParam)->lCustData);
        return 0;
    }
    if (message != WM_NOTIFY) return 0;
    const auto* notice = reinterpret_cast<const OFNOTIFYW*>(lParam);
    if (notice->hdr.code != CDN_INITDONE && notice->hdr.code != CDN_FOLDERCHANGE) return 0;
    const auto* run = reinterpret_cast<const FileDialog::HookData*>(GetWindowLongPtrW(hook, DWLP_USER));
    HWND dialog = GetParent(hook);
    EnumChildWindows(dialog, SetFontOf, reinterpret_cast<LPARAM>(run->font));
    if (notice->hdr.code == CDN_INITDONE && run->presetName && *run->presetName) {
        SendMessageW(dialog, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(run->presetName));
        SendMessageW(dialog, CDM_SETCONTROLTEXT, edt1, reinterpret_cast<LPARAM>(run->presetName));
    }
    return 0;
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
    // The wide dialog, so that a folder or a file named outside the system code page can be
    // chosen; every text here is UTF-8.
    // The filter is a list of NUL-terminated strings ended by an empty one.
    platform::WideText filterList = platform::Widen(filter);
    for (wchar_t& c : filterList) {
        if (c == L'|') c = L'\0';
    }
    filterList.push_back(L'\0');
    const platform::WideText folder = platform::Widen(initialFolder);
    const platform::WideText caption = platform::Widen(title);
    const platform::WideText extension = platform::Widen(defaultExtension);

    platform::WideText path(32768, L'\0');
    const platform::WideText preset = platform::Widen(fileName);
    std::copy(preset.begin(), preset.begin() + std::min(preset.size(), path.size() - 1), path.begin());
    path.back() = L'\0';

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filter.empty() ? nullptr : filterList.data();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrInitialDir = initialFolder.empty() ? nullptr : folder.data();
    dialog.lpstrTitle = title.empty() ? nullptr : caption.data();
    dialog.lpstrDefExt = defaultExtension.empty() ? nullptr : extension.data();
    dialog.Flags = FileDialogFlags(direction);
    HookData hookData{controlsFont_, preset.data()};
    if (controlsFont_) {
        dialog.Flags |= OFN_ENABLEHOOK;
        dialog.lpfnHook = GiveControlsFont;
        dialog.lCustData = reinterpret_cast<LPARAM>(&hookData);
        path[0] = L'\0';  // the hook puts the name in
    }

    const DialogFunction run = DialogEntry(direction);
    if (!run || !run(&dialog)) return std::nullopt;
    fileName = platform::Narrow(path.data());
    return fileName;
}

}  // namespace glyphwright::ui
