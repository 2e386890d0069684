// make_fon: builds a Windows raster font (.fon) with the DOS character set from Linux
// console fonts, so that programs under Wine find an OEM "Terminal" font as they would on
// Windows.
//
//   make_fon [--face NAME] [--crop-top N] [--height N] [--module NAME] [--copyright TEXT]
//            [--cpp-table] --output FILE.fon SOURCE.psf[.gz] [FALLBACK.psf[.gz] ...]
// With --cpp-table the output is C++ source holding the glyphs (see glyph_table_writer.h).
//   make_fon --self-test
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cp437.h"
#include "cp437_strike.h"
#include "fon_writer.h"
#include "glyph_table_writer.h"
#include "psf_font.h"
#include "self_test.h"

namespace {

using glyphwright::fon::Bytes;

constexpr std::size_t kMaxModuleName = 8;  // as the 16-bit loader keeps module names

void Usage() {
    std::fprintf(stderr,
                 "usage: make_fon [--face NAME] [--crop-top N] [--height N] [--module NAME]\n"
                 "                [--copyright TEXT] [--cpp-table] --output FILE.fon SOURCE.psf[.gz] [FALLBACK.psf[.gz] ...]\n"
                 "       make_fon --self-test\n");
}

bool ReadStream(std::FILE* stream, Bytes& bytes) {
    unsigned char chunk[65536];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, stream)) > 0) bytes.insert(bytes.end(), chunk, chunk + got);
    return !std::ferror(stream);
}

std::string ShellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += (c == '\'') ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Console fonts ship gzip-compressed; gzip itself undoes that rather than a second inflater.
bool ReadFontFile(const std::string& path, Bytes& bytes, std::string& error) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error = "cannot open " + path;
        return false;
    }
    const bool read = ReadStream(file, bytes);
    std::fclose(file);
    if (!read) {
        error = "cannot read " + path;
        return false;
    }
    if (bytes.size() < 2 || bytes[0] != 0x1F || bytes[1] != 0x8B) return true;
    bytes.clear();
    std::FILE* pipe = popen(("gzip -dc -- " + ShellQuote(path)).c_str(), "r");
    if (!pipe) {
        error = "cannot start gzip for " + path;
        return false;
    }
    const bool inflated = ReadStream(pipe, bytes);
    if (pclose(pipe) != 0 || !inflated) {
        error = "gzip could not decompress " + path;
        return false;
    }
    return true;
}

bool WriteFile(const std::string& path, const Bytes& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

bool ParseCount(const char* text, unsigned& value) {
    char* end = nullptr;
    const unsigned long parsed = std::strtoul(text, &end, 10);
    if (!*text || *end || parsed > 255) return false;
    value = static_cast<unsigned>(parsed);
    return true;
}

// FILE.fon -> FILE, upper case, cut to what a module name holds.
std::string ModuleFromPath(const std::string& path) {
    std::string base = path.substr(path.find_last_of('/') + 1);
    base = base.substr(0, base.find('.'));
    std::string module;
    for (char c : base) {
        if (module.size() == kMaxModuleName) break;
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')
            module += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    return module.empty() ? std::string("FONT") : module;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace glyphwright::fon;
    RasterFont font;
    font.face = "Terminal";
    font.copyright = "Glyphs: Linux console fonts (public domain)";
    StrikeShape shape;
    std::string output, module;
    std::vector<std::string> inputs;
    bool cpp_table = false;

    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool has_value = i + 1 < argc;
        if (arg == "--self-test") return RunSelfTest();
        if (arg == "--output" && has_value) output = argv[++i];
        else if (arg == "--face" && has_value) font.face = argv[++i];
        else if (arg == "--cpp-table") cpp_table = true;
        else if (arg == "--module" && has_value) module = argv[++i];
        else if (arg == "--copyright" && has_value) font.copyright = argv[++i];
        else if (arg == "--crop-top" && has_value && ParseCount(argv[i + 1], shape.crop_top)) ++i;
        else if (arg == "--height" && has_value && ParseCount(argv[i + 1], shape.height)) ++i;
        else if (!arg.empty() && arg[0] != '-') inputs.push_back(arg);
        else {
            Usage();
            return 2;
        }
    }
    if (output.empty() || inputs.empty()) {
        Usage();
        return 2;
    }
    if (module.empty()) module = ModuleFromPath(output);
    if (module.size() > kMaxModuleName) {
        std::fprintf(stderr, "make_fon: a module name has at most %zu characters\n", kMaxModuleName);
        return 2;
    }

    std::vector<PsfFont> sources;
    for (const std::string& input : inputs) {
        Bytes bytes;
        std::string error;
        PsfFont source;
        if (!ReadFontFile(input, bytes, error) || !ParsePsf(bytes, source, error)) {
            std::fprintf(stderr, "make_fon: %s: %s\n", input.c_str(), error.c_str());
            return 1;
        }
        sources.push_back(std::move(source));
    }

    std::vector<std::uint8_t> missing;
    std::string error;
    if (!BuildCp437Strike(sources, shape, font, missing, error)) {
        std::fprintf(stderr, "make_fon: %s\n", error.c_str());
        return 1;
    }
    // A hole in the character set would show as a blank in the middle of NFO art, where it
    // is easily taken for the art's own; refuse rather than ship that.
    if (!missing.empty()) {
        std::fprintf(stderr, "make_fon: no source draws DOS characters:");
        for (std::uint8_t code : missing)
            std::fprintf(stderr, " %02X (U+%04X)", code, static_cast<unsigned>(Cp437ToUnicode(code)));
        std::fprintf(stderr, "\n");
        return 1;
    }
    error = CheckRasterFont(font);
    if (!error.empty()) {
        std::fprintf(stderr, "make_fon: %s\n", error.c_str());
        return 1;
    }
    if (cpp_table) {
        const std::string table = EncodeGlyphTable(font, error);
        if (table.empty()) {
            std::fprintf(stderr, "make_fon: %s\n", error.c_str());
            return 1;
        }
        if (!WriteFile(output, Bytes(table.begin(), table.end()))) {
            std::fprintf(stderr, "make_fon: cannot write %s\n", output.c_str());
            return 1;
        }
        return 0;
    }
    if (!WriteFile(output, EncodeFon(font, module))) {
        std::fprintf(stderr, "make_fon: cannot write %s\n", output.c_str());
        return 1;
    }
    std::printf("make_fon: %s: \"%s\" %ux%u, ascent %u, charset %u\n", output.c_str(), font.face.c_str(), font.width,
                font.height, font.ascent, font.charset);
    return 0;
}
