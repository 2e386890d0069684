#pragma once
// Projects written by hand or by other tools are often UTF-8, while the window reads every
// byte in the ANSI code page: "Café" comes out as "CafÃ©". The companion tells the two apart and
// converts UTF-8 to the code page the engine works in.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace glyphwright::cli {

enum class ProjectEncoding {
    Auto,  // UTF-8 when it starts with its byte-order mark or is valid UTF-8 beyond ASCII
    Ansi,  // every byte as the window reads it
    Utf8,
};

// "auto", "ansi" or "utf-8" (also "utf8"); false for anything else.
bool ParseProjectEncoding(std::string_view name, ProjectEncoding& encoding);

// Whether the bytes are to be read as UTF-8 under the given choice.
bool ReadsProjectAsUtf8(std::string_view bytes, ProjectEncoding encoding);

struct AnsiConversion {
    std::string bytes;            // the text in the ANSI code page, without a byte-order mark
    std::size_t beyondAscii = 0;  // characters that were not ASCII
    struct Lost {
        std::size_t line;    // 1-based
        char32_t character;  // U+FFFD for bytes that were not UTF-8
    };
    std::vector<Lost> lost;  // characters the code page lacks: each became '?'
};

// UTF-8 (a leading byte-order mark dropped) in the ANSI code page: the system's own on Windows,
// 1252 in the portable build.
AnsiConversion Utf8ToAnsi(std::string_view utf8);

// "code page 1252", the code page Utf8ToAnsi converts to.
std::string AnsiCodePageName();

}  // namespace glyphwright::cli
