#include <windows.h>

#include <vector>

#include "platform/process.h"
#include "platform/wide_text.h"

namespace glyphwright::platform {

int StartProcessAndWait(const std::string& commandLine) {
    // The command line is UTF-8: the release folder may lie outside the system code page.
    // CreateProcessW may write into it, and the wide copy is its own.
    WideText line = Widen(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr,
                        nullptr, &startup, &process)) {
        const DWORD error = GetLastError();
        return error != 0 ? static_cast<int>(error) : ERROR_FILE_NOT_FOUND;
    }
    CloseHandle(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hProcess);
    return 0;
}

}  // namespace glyphwright::platform
