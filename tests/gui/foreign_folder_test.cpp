// The program unpacked into a folder named outside the ANSI code page, with templates named
// the same way: it must find its configuration, list and render the templates and save.

#include <string>
#include <vector>

#include "app/control_ids.h"
#include "app_session.h"
#include "gui_framework.h"
#include "release_support.h"

namespace glyphwright::guitest {
namespace {

using namespace ids;

std::wstring Wide(const std::string& text, UINT codePage) {
    const int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}

bool WriteWide(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    CloseHandle(file);
    return ok;
}

std::string ReadWide(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD got = 0;
    if (!bytes.empty()) ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &got, nullptr);
    CloseHandle(file);
    bytes.resize(got);
    return bytes;
}

void RemoveWideTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveWideTree(path);
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

std::wstring ListEntryWide(const AppSession& app, int id, int index) {
    HWND list = app.Get(id);
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) return L"<none>";
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void RunFromAFolderOutsideTheCodePage() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"gw-\u0141\u00f3d\u017a-\u65e5\u672c-" +
                                std::to_wstring(GetCurrentProcessId());
    const std::wstring nfoName = L"\u0416-art.nfo";      // Ж-art.nfo
    const std::wstring dizName = L"\u65e5\u672c.diz";     // 日本.diz
    REQUIRE(CreateDirectoryW(folder.c_str(), nullptr));
    REQUIRE(CreateDirectoryW((folder + L"\\Templates").c_str(), nullptr));
    REQUIRE(CopyFileW(Wide(Options().appPath, CP_ACP).c_str(), (folder + L"\\Glyphwright.exe").c_str(), FALSE));
    REQUIRE(WriteWide(folder + L"\\Templates\\" + nfoName, "\xC9\xCD {A} \xCD\xBB\r\n"));
    REQUIRE(WriteWide(folder + L"\\Templates\\" + dizName, "diz {A}   .\r\n"));
    REQUIRE(WriteWide(folder + L"\\Glyphwright.ini", "[ARCHIVERS OPTION]\r\nWinrar=a -from-ini\r\n"));

    wchar_t shortPath[MAX_PATH] = {};
    REQUIRE(GetShortPathNameW(folder.c_str(), shortPath, MAX_PATH) > 0);
    InstallSpec layout;
    layout.existingFolder = std::string(shortPath, shortPath + wcslen(shortPath));
    layout.wideExePath = folder + L"\\Glyphwright.exe";
    AppSession app(layout);
    app.AtTeardown([folder] { RemoveWideTree(folder); });
    REQUIRE(app.Start());
    app.Settle();

    // The configuration beside the program was read, and both templates are listed by their
    // real names and shown raw.
    CHECK_EQ(app.Text(ArchiverOptionsId(Archiver::WinRar)), std::string("a -from-ini"));
    CHECK(ListEntryWide(app, kNfoTemplateBox, 0) == nfoName);
    CHECK(ListEntryWide(app, kDizTemplateBox, 0) == dizName);
    CHECK_EQ(app.Text(kNfoPreview), std::string("\xC9\xCD {A} \xCD\xBB\r\n"));
    CHECK_EQ(app.Text(kDizPreview), std::string("diz {A}   .\r\n"));

    // Rendered and saved under the same folder; a Name in the ANSI code page keeps its "é".
    app.SetText(FieldId('A'), "Caf\xE9");
    app.SetText(FieldId('F'), "Crew");
    app.PostCommand(kCmdMakeNfo);
    app.PostCommand(kCmdMakeDiz);
    app.Settle();
    const std::string nfo = app.Text(kNfoPreview);
    const std::string diz = app.Text(kDizPreview);
    CHECK(nfo.find("Caf\x82") != std::string::npos);
    CHECK(diz.find("Caf\x82") != std::string::npos);
    app.PostCommand(kCmdSaveNfoDiz);
    app.Settle();
    CHECK(app.MessageBoxes().empty());
    const std::wstring release = folder + L"\\Release\\Caf\u00e9\\";
    CHECK_EVENTUALLY_EQ(ReadWide(release + L"Crew.nfo"), nfo);
    CHECK_EQ(ReadWide(release + L"File_ID.diz"), diz);
}

GUI_SCENARIO(install_folder_and_templates_named_outside_the_code_page) {
    RunFromAFolderOutsideTheCodePage();
}

// The same in a plain prefix, as a Linux user's own Wine is.
GUI_SCENARIO(bare_prefix_install_folder_and_templates_named_outside_the_code_page) {
    RunFromAFolderOutsideTheCodePage();
}

}  // namespace
}  // namespace glyphwright::guitest
