#pragma once
// What the saving, archiver, release and project scenarios share: archivers installed into a
// scratch folder and registered in the prefix for one scenario only, archive listings by the
// real 7-Zip, the program's open/save dialogs driven as a user does, and file helpers.

#include <windows.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app_session.h"

namespace glyphwright::guitest {

// --- Archivers --------------------------------------------------------------------------------
enum class ArchiverKind { WinRar, SevenZip };

// A real 7-Zip (7zG.exe, 7z.exe, 7z.dll): --sevenzip DIR, else "sevenzip" beside the driver.
// With a trailing backslash; empty (and a failure reported) when neither holds one.
std::string SevenZipSource();

// For one scenario: a scratch folder whose path holds a blank, and the App Paths keys of both
// archivers (both registry views) hidden, as on a machine without them. Everything is put back
// as it was when the bench goes; declare it before the AppSession so that it outlives the
// program.
class ArchiverBench {
public:
    ArchiverBench();
    ~ArchiverBench();
    ArchiverBench(const ArchiverBench&) = delete;
    ArchiverBench& operator=(const ArchiverBench&) = delete;

    const std::string& Folder() const { return folder_; }  // trailing backslash
    // Copies the real 7-Zip into Folder() + sub; returns that folder with a trailing backslash.
    std::string InstallSevenZip(const std::string& sub = "Seven Zip", bool withDll = true) const;
    // Copies the recording stand-in as "WinRAR.exe"; returns its folder.
    std::string InstallWinRar(const std::string& sub = "Win RAR") const;
    // Sets the archiver's App Paths default value in the program's view.
    void Register(ArchiverKind kind, const std::string& value, DWORD type = REG_SZ) const;
    // Whether the archiver's App Paths key exists in either view.
    bool KeyExists(ArchiverKind kind) const;

private:
    struct SavedKey {
        REGSAM view = 0;
        std::string subKey;
        bool existed = false;
        std::vector<std::pair<std::string, std::pair<DWORD, std::vector<BYTE>>>> values;
    };
    std::string folder_;
    std::vector<SavedKey> saved_;
};

// What the WinRAR stand-in in `folder` recorded, one entry per start, in order.
struct WinRarCall {
    std::string commandLine;
    std::vector<std::string> seen;  // the entries of the folder it was asked to pack
};
std::vector<WinRarCall> WinRarCalls(const std::string& folder);

struct ArchiveEntry {
    std::string path;
    unsigned long long size = 0;
    bool operator==(const ArchiveEntry& other) const {
        return path == other.path && size == other.size;
    }
};
std::ostream& operator<<(std::ostream& out, const std::vector<ArchiveEntry>& entries);
// The files inside an archive, listed by the real 7-Zip; nothing when it cannot read it.
std::optional<std::vector<ArchiveEntry>> ListArchive(const std::string& archive);

// --- The program's open and save dialogs --------------------------------------------------------
// The file dialog the program shows now (waits for it); nullptr if none came.
HWND WaitForFileDialog(const AppSession& app);
// Types `name` into the dialog's file name box and presses the OK button.
void SubmitFileDialog(const AppSession& app, HWND dialog, const std::string& name);
void CancelFileDialog(const AppSession& app, HWND dialog);
// The text of the dialog's file name box (its preset).
std::string FileDialogName(HWND dialog);
// Boxes that the dialog raised over itself (replace? / not found), or nullptr after the wait.
HWND WaitForBoxOver(const AppSession& app, HWND dialog, DWORD timeoutMs = 10000);
bool WaitForWindowGone(HWND window, DWORD timeoutMs = 10000);

// --- Files --------------------------------------------------------------------------------------
std::optional<std::string> ReadBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
// The names in a folder ("." and ".." left out), sorted, joined by " | " (readable in failures).
std::string FolderEntries(const std::string& folder);
std::string JoinNames(const std::vector<std::string>& names);
bool PathIsFolder(const std::string& path);

// --- Form ---------------------------------------------------------------------------------------
// Clicks entry `index` of a list box, as a user does, and waits until it holds the focus mark.
void ClickListEntry(const AppSession& app, int listId, int index);
bool ButtonEnabled(const AppSession& app, int id);
bool ButtonChecked(const AppSession& app, int id);

}  // namespace glyphwright::guitest
