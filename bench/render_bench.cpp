// Rendering throughput: a whole "Make NFO" pass (split the template, substitute every line with
// all 17 values, expand the four text blocks, join with CR LF) over
//   - a realistic 79-column NFO,
//   - a large template (5,000 lines, every placeholder, text blocks of 1,000 lines),
//   - one long single line (a 1 MB template with LF-only line ends, which the renderer treats
//     as one line) holding many placeholders,
// and the large and long cases at 1x/2x/4x size so that linear scaling shows in the reported
// complexity. Figures only; nothing here is a pass/fail test.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "render/document.h"
#include "render/field_layout.h"
#include "render/substitution.h"

namespace glyphwright {
namespace {

constexpr std::size_t kWidth = 79;
constexpr char kSide = '\xBA';  // double vertical bar in code page 437
constexpr char kRule = '\xCD';  // double horizontal bar
constexpr char kBlock = '\xDB';
constexpr char kShade = '\xB1';

// A box line: the frame at both ends, the text after two blanks, blanks up to the width.
std::string BoxLine(const std::string& text = "") {
    std::string line = std::string(1, kSide) + "  " + text;
    line.resize(kWidth - 1, ' ');
    return line + kSide;
}

// A box line with the text centred.
std::string CentredLine(const std::string& text) {
    const std::size_t inner = kWidth - 2;
    std::string line(inner, ' ');
    line.replace((inner - text.size()) / 2, text.size(), text);
    return kSide + line + kSide;
}

std::string Rule(char left, char right) {
    return std::string(1, left) + std::string(kWidth - 2, kRule) + right;
}

// Drawn like the sample templates: banner, centred title, label lines with ':' and '..',
// text blocks both centred and near the left border.
std::vector<std::string> RealisticTemplateLines() {
    std::vector<std::string> lines;
    for (int row = 0; row < 5; ++row) {
        std::string banner;
        for (std::size_t col = 0; col < kWidth; ++col) {
            banner += ((col / 4 + row) % 3 == 0) ? kBlock : ((col + row) % 5 == 0 ? kShade : ' ');
        }
        lines.push_back(banner);
    }
    lines.push_back(Rule('\xC9', '\xBB'));
    lines.push_back(CentredLine("{A}"));
    lines.push_back(CentredLine("(c) {B}"));
    lines.push_back(CentredLine("{C}"));
    lines.push_back(Rule('\xCC', '\xB9'));
    const char* labels[][2] = {
        {"Language .......:", "{D}"}, {"Program type ...:", "{E}"}, {"Team ...........:", "{F}"},
        {"Supplied by ....:", "{G}"}, {"Cracked..", "{H}"},         {"Coded by .......:", "{I}"},
        {"Tested by ......:", "{J}"}, {"Packaged by ....:", "{K}"}, {"Release type ...:", "{L}"},
        {"Protection .....:", "{M}"}, {"Date ...........:", "{N}"}, {"Size ...........:", "{O}"},
        {"OS .............:", "{P}"}, {"File ...........:", "{Q}"},
    };
    for (const auto& label : labels)
        lines.push_back(BoxLine(std::string(label[0]) + " " + label[1]));
    const char* blocks[][2] = {{"Description", "centre"},
                               {"Install", "left"},
                               {"Other information", "centre"},
                               {"Greetings", "left"}};
    const char* tags[] = {"{R}", "{S}", "{T}", "{U}"};
    for (int b = 0; b < 4; ++b) {
        lines.push_back(Rule('\xCC', '\xB9'));
        lines.push_back(CentredLine(std::string("[ ") + blocks[b][0] + " ]"));
        lines.push_back(BoxLine());
        lines.push_back(std::string(blocks[b][1]) == "centre" ? CentredLine(tags[b])
                                                              : BoxLine(tags[b]));
        lines.push_back(BoxLine());
    }
    lines.push_back(Rule('\xC8', '\xBC'));
    return lines;
}

std::string Join(const std::vector<std::string>& lines, const char* lineBreak) {
    std::string text;
    for (const std::string& line : lines) text += line + lineBreak;
    return text;
}

FieldTable RealisticValues() {
    return {"Glyph Studio Pro 4.2",
            "Example Software Ltd.",
            "www.example.com",
            "English",
            "Graphics",
            "TEAM XYZ",
            "Ann",
            "Bob",
            "Cy",
            "Dee",
            "Eve",
            "Keygen",
            "Serial",
            "12/05/2024",
            "14.2 MB",
            "Win 7/8/10/11",
            "Glyph.Studio.Pro.4.2-XYZ"};
}

std::vector<std::string> ParagraphLines(std::size_t count) {
    const char* words[] = {"A",      "fast", "editor",  "for",   "fonts,",
                           "glyphs", "and",  "kerning", "tables"};
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < count; ++i) {
        std::string line;
        for (std::size_t w = 0; w < 4 + i % 5; ++w) line += std::string(words[(i + w) % 9]) + " ";
        if (i % 7 == 6) line.clear();  // paragraph breaks
        lines.push_back(line);
    }
    return lines;
}

struct Fields {
    FieldTable values = RealisticValues();
    std::vector<std::string> blocks[4];
};

Fields RealisticFields(std::size_t blockLines) {
    Fields fields;
    for (auto& block : fields.blocks) block = ParagraphLines(blockLines);
    return fields;
}

std::string Render(std::string_view templateBytes, const Fields& fields) {
    Document document = ParseDocument(templateBytes);
    for (std::string& line : document) line = SubstituteLine(line, PlaceholderTags, fields.values);
    const char* tags[] = {"{R}", "{S}", "{T}", "{U}"};
    for (int b = 0; b < 4; ++b) ExpandTextBlock(document, tags[b], fields.blocks[b]);
    return DocumentText(document);
}

void RunRender(benchmark::State& state, const std::string& templateBytes, const Fields& fields) {
    std::size_t outputSize = 0;
    for (auto _ : state) {
        std::string text = Render(templateBytes, fields);
        outputSize = text.size();
        benchmark::DoNotOptimize(text);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * templateBytes.size()));
    state.counters["output_bytes"] = static_cast<double>(outputSize);
}

void BM_RenderRealisticNfo(benchmark::State& state) {
    const std::string templateBytes = Join(RealisticTemplateLines(), "\r\n");
    RunRender(state, templateBytes, RealisticFields(8));
}
BENCHMARK(BM_RenderRealisticNfo);

// 5,000 lines per step of the argument; every single-line placeholder on every line, each
// text block placeholder once, each block 1,000 lines long.
std::string LargeTemplate(std::size_t lineCount) {
    std::vector<std::string> lines;
    const char* blockTags[] = {"{R}", "{S}", "{T}", "{U}"};
    for (std::size_t i = 0; i < lineCount; ++i) {
        if (i % (lineCount / 4) == lineCount / 8) {
            lines.push_back(CentredLine(blockTags[(i * 4 / lineCount) % 4]));
            continue;
        }
        std::string line(1, kSide);
        for (std::size_t k = 0; k < PlaceholderTags.size(); ++k) {
            line += (k == 0 && i % 2 ? ":" : " ") +
                    PlaceholderTags[(k + i) % PlaceholderTags.size()] + "  ";
        }
        lines.push_back(line + kSide);
    }
    return Join(lines, "\r\n");
}

void BM_RenderLargeTemplate(benchmark::State& state) {
    const std::size_t lineCount = 5000 * static_cast<std::size_t>(state.range(0));
    const std::string templateBytes = LargeTemplate(lineCount);
    Fields fields = RealisticFields(1000);
    for (std::string& value : fields.values) value = value.substr(0, 5);
    RunRender(state, templateBytes, fields);
    state.SetComplexityN(static_cast<int64_t>(lineCount));
}
BENCHMARK(BM_RenderLargeTemplate)
    ->Arg(1)
    ->Arg(2)
    ->Arg(4)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

// LF-only line ends are not line breaks to the renderer: the whole file is one line of 1 MB per
// step of the argument, with about 21,000 single-line placeholders per MB. Text-block
// placeholders are left out: on one line each would repeat the whole megabyte per field line.
std::string LongLine(std::size_t bytes) {
    std::vector<std::string> rows;
    std::size_t size = 0;
    for (std::size_t i = 0; size < bytes; ++i) {
        std::string row(1, kSide);
        row += (i % 3 == 0) ? "  Label ..: " : "   ";
        for (int k = 0; k < 4; ++k)
            row += PlaceholderTags[(i * 4 + k) % PlaceholderTags.size()] + std::string(12, ' ');
        row.resize(kWidth - 1, ' ');
        row += kSide;
        size += row.size() + 1;
        rows.push_back(row);
    }
    return Join(rows, "\n");
}

void BM_RenderLongSingleLine(benchmark::State& state) {
    const std::size_t megabytes = static_cast<std::size_t>(state.range(0));
    const std::string templateBytes = LongLine(megabytes << 20);
    Fields fields = RealisticFields(8);
    for (std::string& value : fields.values) value = value.substr(0, 10);
    RunRender(state, templateBytes, fields);
    state.SetComplexityN(static_cast<int64_t>(templateBytes.size()));
}
BENCHMARK(BM_RenderLongSingleLine)
    ->Arg(1)
    ->Arg(2)
    ->Arg(4)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

// The same long line with every value holding its own placeholder: each repetition must end
// after one pass instead of running for ever.
void BM_RenderLongLineSelfContainingValues(benchmark::State& state) {
    const std::string templateBytes = LongLine(std::size_t{1} << 20);
    Fields fields = RealisticFields(8);
    for (std::size_t k = 0; k < fields.values.size(); ++k) fields.values[k] = PlaceholderTags[k];
    RunRender(state, templateBytes, fields);
}
BENCHMARK(BM_RenderLongLineSelfContainingValues)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glyphwright

BENCHMARK_MAIN();
