// make_fon: builds a Windows raster font (.fon) with a DOS character set from Linux console
// fonts, so that programs under Wine find an OEM "Terminal" font as they would on Windows.
//
//   make_fon [--face NAME] [--module NAME] [--copyright TEXT] [--codepage 437|866]
//            [--cpp-table] --output FILE.fon STRIKE [--strike STRIKE ...]
//   STRIKE: [--crop-top N] [--height N] [--pad-rows N] SOURCE.psf[.gz] [FALLBACK.psf[.gz] ...]
// Each strike is one size of the face, made from console fonts of one glyph size; --strike
// starts the next one. With --cpp-table the output is C++ source holding the glyphs of the
// one strike (see glyph_table_writer.h).
//   make_fon --self-test
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "dos_code_pages.h"
#include "dos_strike.h"
#include "fon_writer.h"
#include "glyph_table_writer.h"
#include "psf_font.h"
#include "self_test.h"

namespace {

using glyphwright::fon::Bytes;

constexpr std::size_t kMaxModuleName = 8;  // as the 16-bit loader keeps module names

void Usage() {
    std::fprintf(stderr,
                 "usage: make_fon [--face NAME] [--module NAME] [--copyright TEXT] [--codepage 437|866]\n"
                 "                [--cpp-table] --output FILE.fon STRIKE [--strike STRIKE ...]\n"
                 "       STRIKE: [--crop-top N] [--height N] [--pad-rows N] SOURCE.psf[.gz] [FALLBACK.psf[.gz] ...]\n"
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

bool ParseCount(const char* text, unsigned& value, unsigned long most = 255) {
    char* end = nullptr;
    const unsigned long parsed = std::strtoul(text, &end, 10);
    if (!*text || *end || parsed > most) return false;
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

// One size of the face: how the rows are shaped and the console fonts it is made from.
struct StrikeRequest {
    glyphwright::fon::StrikeShape shape;
    std::vector<std::string> inputs;
};

bool ReadSources(const std::vector<std::string>& inputs, std::vector<glyphwright::fon::PsfFont>& sources) {
    for (const std::string& input : inputs) {
        Bytes bytes;
        std::string error;
        glyphwright::fon::PsfFont source;
        if (!ReadFontFile(input, bytes, error) || !glyphwright::fon::ParsePsf(bytes, source, error)) {
            std::fprintf(stderr, "make_fon: %s: %s\n", input.c_str(), error.c_str());
            return false;
        }
        sources.push_back(std::move(source));
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace glyphwright::fon;
    std::string face = "Terminal";
    std::string copyright = "Glyphs: Linux console fonts (public domain)";
    DosCodePage page = DosCodePage::k437;
    std::string output, module;
    std::vector<StrikeRequest> requests(1);
    bool cpp_table = false;

    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool has_value = i + 1 < argc;
        StrikeShape& shape = requests.back().shape;
        unsigned number = 0;
        if (arg == "--self-test") return RunSelfTest();
        if (arg == "--output" && has_value) output = argv[++i];
        else if (arg == "--face" && has_value) face = argv[++i];
        else if (arg == "--cpp-table") cpp_table = true;
        else if (arg == "--module" && has_value) module = argv[++i];
        else if (arg == "--copyright" && has_value) copyright = argv[++i];
        else if (arg == "--codepage" && has_value && ParseCount(argv[i + 1], number, 65535) && FindDosCodePage(number, page)) ++i;
        else if (arg == "--crop-top" && has_value && ParseCount(argv[i + 1], shape.crop_top)) ++i;
        else if (arg == "--height" && has_value && ParseCount(argv[i + 1], shape.height)) ++i;
        else if (arg == "--pad-rows" && has_value && ParseCount(argv[i + 1], shape.pad_rows)) ++i;
        else if (arg == "--strike" && !requests.back().inputs.empty()) requests.emplace_back();
        else if (!arg.empty() && arg[0] != '-') requests.back().inputs.push_back(arg);
        else {
            Usage();
            return 2;
        }
    }
    if (output.empty() || requests.back().inputs.empty() || (cpp_table && requests.size() > 1)) {
        Usage();
        return 2;
    }
    if (module.empty()) module = ModuleFromPath(output);
    if (module.size() > kMaxModuleName) {
        std::fprintf(stderr, "make_fon: a module name has at most %zu characters\n", kMaxModuleName);
        return 2;
    }

    std::vector<RasterFont> strikes;
    for (const StrikeRequest& request : requests) {
        std::vector<PsfFont> sources;
        if (!ReadSources(request.inputs, sources)) return 1;
        RasterFont font;
        font.face = face;
        font.copyright = copyright;
        std::vector<std::uint8_t> missing;
        std::string error;
        if (!BuildDosStrike(sources, request.shape, page, font, missing, error)) {
            std::fprintf(stderr, "make_fon: %s\n", error.c_str());
            return 1;
        }
        // A hole in the character set would show as a blank in the middle of NFO art, where it
        // is easily taken for the art's own; refuse rather than ship that.
        if (!missing.empty()) {
            std::fprintf(stderr, "make_fon: no source draws DOS characters:");
            for (std::uint8_t code : missing)
                std::fprintf(stderr, " %02X (U+%04X)", code, static_cast<unsigned>(DosToUnicode(page, code)));
            std::fprintf(stderr, "\n");
            return 1;
        }
        strikes.push_back(std::move(font));
    }
    std::string error = CheckStrikes(strikes);
    if (!error.empty()) {
        std::fprintf(stderr, "make_fon: %s\n", error.c_str());
        return 1;
    }
    if (cpp_table) {
        const std::string table = EncodeGlyphTable(strikes.front(), error);
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
    if (!WriteFile(output, EncodeFon(strikes, module))) {
        std::fprintf(stderr, "make_fon: cannot write %s\n", output.c_str());
        return 1;
    }
    for (const RasterFont& font : strikes)
        std::printf("make_fon: %s: \"%s\" %ux%u, ascent %u, leading %u, charset %u, code page %u\n", output.c_str(),
                    font.face.c_str(), font.width, font.height, font.ascent, font.internal_leading, font.charset,
                    static_cast<unsigned>(page));
    return 0;
}
