// Stands in for WinRAR in the GUI tests, which cannot ship the real one. It records how it was
// started and what the folder it was asked to pack held at that moment, then ends; it packs
// nothing. Each start appends to "winrar-calls.log" beside the stub:
//   command: <the whole command line>
//   seen: <name>          one line per entry of the source folder, in listing order
//   end

#include <windows.h>

#include <string>

namespace {

std::string FolderOf(const std::string& path) {
    const size_t cut = path.find_last_of("\\/:");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

// The quoted arguments of the command line, in order (the program path included when quoted).
std::string QuotedArgument(const std::string& commandLine, int wanted) {
    int index = 0;
    size_t at = 0;
    while ((at = commandLine.find('"', at)) != std::string::npos) {
        const size_t end = commandLine.find('"', at + 1);
        if (end == std::string::npos) break;
        if (index++ == wanted) return commandLine.substr(at + 1, end - at - 1);
        at = end + 1;
    }
    return {};
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string commandLine = GetCommandLineA();
    std::string record = "command: " + commandLine + "\r\n";

    // The program path comes first, quoted only when it holds a blank; the source pattern is
    // the last quoted argument.
    std::string source;
    for (int i = 0;; ++i) {
        std::string argument = QuotedArgument(commandLine, i);
        if (argument.empty()) break;
        source = argument;
    }
    WIN32_FIND_DATAA entry;
    HANDLE find = source.empty() ? INVALID_HANDLE_VALUE : FindFirstFileA(source.c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name != "." && name != "..") record += "seen: " + name + "\r\n";
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    record += "end\r\n";

    const std::string log = FolderOf(self) + "winrar-calls.log";
    HANDLE file = CreateFileA(log.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}
