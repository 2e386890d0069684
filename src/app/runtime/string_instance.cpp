// The C++ runtime declares std::string's members as instantiated in its own library, so every
// call goes to the library's copy. Linking that copy brings every member's unwind tables with
// it, whether called or not, and with them the exception machinery that library_errors.cpp
// keeps out. Instantiating the class here compiles the members with the program's own flags
// (no exceptions, optimised for size); the linker keeps the ones called and the library's
// copy is never looked for.

#include <string>

template class std::basic_string<char>;
