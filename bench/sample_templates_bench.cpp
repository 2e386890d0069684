// "Make NFO" and "Make DIZ" on the sample templates that ship in templates/, as the program
// runs them: split the file, substitute every line, expand the four text blocks (NFO only),
// join with CR LF. Also a 5 MB template of box lines, the size the GUI tests feed the program.
// The window's own share (reading the boxes, showing the text) is not part of these figures.

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "render/document.h"
#include "render/field_layout.h"
#include "render/substitution.h"

namespace glyphwright {
namespace {

std::string SampleFolder() {
    std::string here = __FILE__;
    const auto slash = here.find_last_of("/\\");
    return (slash == std::string::npos ? std::string(".") : here.substr(0, slash)) + "/../templates/";
}

std::string ReadSample(const std::string& name) {
    std::ifstream file(SampleFolder() + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// A filled form: every value at least three characters, as a release would have them.
const FieldTable kValues = {"Glyphwright Studio 2.4", "2025 Inkwell Software", "www.glyphwright.example",
                            "English", "Utility", "XYZ", "Razorwire", "Nightowl", "Razorwire",
                            "Razorwire", "Razorwire", "Keygen", "Serial", "12/7/2025", "01 x 2.88 MB",
                            "Windows 10/11", "Glyphwright.Studio.2.4-XYZ"};

const std::vector<std::string> kBlocks[4] = {
    {"A small tool that turns release details into NFO and",
     "File_ID.diz files from hand-drawn templates.",
     "Frames, banners and columns stay where they were drawn."},
    {"1. Unpack the release and install the program.", "2. Run the keygen, enter your name and press Generate.",
     "3. Register the program with the generated key."},
    {"Tested on Windows 10 and 11.", "No online activation needed."},
    {"All our friends, couriers and supporters", "the sites that keep the scene alive", "",
     "Support the authors: buy what you use!"},
};

std::string Render(const std::string& bytes, bool expandBlocks) {
    Document document = ParseDocument(bytes);
    for (std::string& line : document) line = SubstituteLine(line, PlaceholderTags, kValues);
    if (expandBlocks) {
        const char* tags[] = {"{R}", "{S}", "{T}", "{U}"};
        for (int b = 0; b < 4; ++b) ExpandTextBlock(document, tags[b], kBlocks[b]);
    }
    return DocumentText(document);
}

void MakeSample(benchmark::State& state, const char* name, bool nfo) {
    const std::string bytes = ReadSample(name);
    if (bytes.empty()) {
        state.SkipWithError("sample template not found");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(Render(bytes, nfo));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

BENCHMARK_CAPTURE(MakeSample, Blocks_nfo, "Blocks.nfo", true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(MakeSample, Classic_nfo, "Classic.nfo", true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(MakeSample, Minimal_nfo, "Minimal.nfo", true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(MakeSample, Classic_diz, "Classic.diz", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(MakeSample, Compact_diz, "Compact.diz", false)->Unit(benchmark::kMicrosecond);

// 5 MB of 79-column box lines with placeholders, every text block once per six lines.
void MakeFiveMegabyteNfo(benchmark::State& state) {
    const std::string frame(1, '\xBA');
    const std::vector<std::string> block = {
        frame + std::string(37, ' ') + "{A}" + std::string(37, ' ') + frame,
        frame + "  Name ...: {A}" + std::string(62, ' ') + frame,
        frame + "  {R}" + std::string(72, ' ') + frame,
        frame + std::string(37, ' ') + "{U}" + std::string(37, ' ') + frame,
        frame + "  keep {a} lower" + std::string(61, ' ') + frame,
        "\xCC" + std::string(77, '\xCD') + "\xB9",
    };
    std::string bytes;
    while (bytes.size() < 5u * 1024 * 1024)
        for (const std::string& line : block) bytes += line + "\r\n";
    for (auto _ : state) benchmark::DoNotOptimize(Render(bytes, true));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(MakeFiveMegabyteNfo)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glyphwright
