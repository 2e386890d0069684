// glyphwright-cli: renders, checks and exports NFO and DIZ files without the window, for
// release scripts. Exit codes: 0 done, 1 a check found problems, 2 bad usage or unreadable input.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <system_error>
#include <tuple>
#include <vector>

#include "cli/cli_check.h"
#include "cli/cli_export.h"
#include "cli/cli_io.h"
#include "cli/cli_render.h"
#include "cli/date_options.h"
#include "cli/nearest_name.h"
#include "cli/normalize.h"
#include "cli/png_export.h"
#include "cli/project_values.h"
#include "cli/recover.h"
#include "cli/word_wrap.h"
#include "glyphwright_version.h"
#include "output/file_name_rule.h"
#include "output/release_paths.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/path_text.h"

namespace glyphwright::cli {
namespace {

constexpr int kSuccess = 0;
constexpr int kProblemsFound = 1;
constexpr int kBadInput = 2;

constexpr char kUsage[] =
    "usage:\n"
    "  glyphwright-cli render [--project P.gwp] --nfo T.nfo [--diz T.diz] [--out DIR] [--wrap N]\n"
    "                         [--png FILE.png [PICTURE OPTIONS]] [--date YYYY-MM-DD] [--date-format "
    "PICTURE]\n"
    "                         [--project-encoding auto|ansi|utf-8] [--strict]\n"
    "  glyphwright-cli check  --nfo T.nfo | --diz T.diz ... [--project P.gwp] [--wrap N] [--json]\n"
    "                         [--date YYYY-MM-DD] [--date-format PICTURE] [--project-encoding ...] "
    "[--strict]\n"
    "  glyphwright-cli normalize IN [--out FILE] [--tabs N] [--pad [WIDTH]]\n"
    "  glyphwright-cli export IN.nfo --utf8 | --html | --png [PICTURE OPTIONS] [--out FILE]\n"
    "      PICTURE OPTIONS: [--colors FG,BG] [--cell-width 8|9] [--scale 1-8]\n"
    "  glyphwright-cli recover --nfo TEMPLATE.nfo FILLED.nfo [--diz TEMPLATE.diz FILLED.diz]\n"
    "                         [--wrap N] [--date-format PICTURE] [--out P.gwp]\n"
    "  glyphwright-cli --help | --version\n";

constexpr char kHelp[] =
    "\n"
    "render  fills the templates from the project as \"Make NFO\" and \"Make DIZ\" do and writes\n"
    "        the CP437 result to standard output (NFO first, then DIZ), or with --out into DIR\n"
    "        as <Team Name>.nfo and File_ID.diz. Text blocks wrap at N columns, the width of\n"
    "        the window's text boxes (69) unless --wrap says otherwise; --wrap 0 does not wrap.\n"
    "        What the rendering drops (a value with no room, text after a NUL, lines joined by\n"
    "        LF line ends, project keys nothing reads) is a warning on standard error.\n"
    "check   lists the room each placeholder has (centred and aligned) and the problems that\n"
    "        move borders or garble the file: values that will not be placed, characters the\n"
    "        OEM code page lacks, DIZ files over 45 columns or 10 lines, line ends other than\n"
    "        CR LF, tabs, NUL bytes, byte-order marks, bytes that read as UTF-8. One finding a\n"
    "        line, or a JSON document with --json. Exit code 1 when a problem was found.\n"
    "normalize  makes text art a template: UTF-8 and UTF-16 (a byte-order mark, or valid UTF-8\n"
    "        as a whole) become CP437, any other file is CP437 already; every line end becomes\n"
    "        CR LF; a final 1A and a SAUCE record go; tabs expand to stops every N columns (8);\n"
    "        --pad pads lines holding a placeholder with blanks to WIDTH (the widest line's).\n"
    "        What changed goes to standard error; a character with no CP437 byte becomes '?'\n"
    "        and makes the exit code 1.\n"
    "export  converts a CP437 NFO to UTF-8 (--utf8), to a self-contained HTML page (--html) or\n"
    "        to a picture (--png: every byte an 8x16 cell of the DOS font, light grey on black\n"
    "        unless --colors says otherwise, e.g. --colors ffffff,000080), to standard output\n"
    "        or FILE. render --png FILE draws the rendered NFO (the DIZ without --nfo).\n"
    "        --cell-width 9 draws 9-pixel cells as VGA text mode does (the ninth column\n"
    "        repeats the eighth for the line drawing bytes C0-DF); --scale N enlarges N times.\n"
    "        Pictures and pages break lines as viewers do (CR CR LF is one break) and stop at\n"
    "        the 1A before a SAUCE record; --utf8 converts every byte.\n"
    "recover finds the values that filled FILLED from TEMPLATE, and writes the project that\n"
    "        renders it again byte for byte with the same --wrap and --date-format (to standard\n"
    "        output, or P.gwp). Lines that differ from the template (edited by hand) are named,\n"
    "        and so is a {Q} that is not the Name's file name; either makes the exit code 1.\n"
    "dates   {N} is the project's release date (today without a project) written in the short\n"
    "        date format of the user's locale (LC_ALL, LC_TIME or LANG; dd.MM.yyyy for the C and\n"
    "        POSIX locales). --date YYYY-MM-DD sets the date, --date-format the picture, as\n"
    "        the window's date box reads it: d dd ddd dddd, M MM MMM MMMM, yy yyyy, 'text'\n"
    "        (e.g. M/d/yyyy, dd.MM.yyyy, yyyy-MM-dd). The same picture reads the project's\n"
    "        date, and yyyy-MM-dd always reads.\n"
    "projects  are read as the window reads them, except that UTF-8 (a byte-order mark, or\n"
    "        valid UTF-8 beyond ASCII) is converted to the ANSI code page first, with a warning;\n"
    "        --project-encoding ansi reads every byte as the window does.\n"
    "files   \"-\" reads a template or project from standard input; --out makes missing folders.\n"
    "\n"
    "exit codes: 0 success, 1 check found problems, normalize met a character CP437 lacks, or\n"
    "            --strict met a warning; 2 bad usage or unreadable input\n";

int Fail(const std::string& message) {
    std::fprintf(stderr, "glyphwright-cli: %s\n", message.c_str());
    return kBadInput;
}

int UsageError(const std::string& message) {
    std::fprintf(stderr, "glyphwright-cli: %s\n%s", message.c_str(), kUsage);
    return kBadInput;
}

// Options as given: each name to its values, in order; flags hold one empty value.
struct Arguments {
    std::multimap<std::string, std::string> options;
    std::vector<std::string> positional;

    bool Has(const std::string& name) const { return options.count(name) > 0; }
    std::string Value(const std::string& name) const {
        const auto found = options.find(name);
        return found == options.end() ? std::string() : found->second;
    }
    std::vector<std::string> Values(const std::string& name) const {
        std::vector<std::string> values;
        const auto range = options.equal_range(name);
        for (auto it = range.first; it != range.second; ++it) values.push_back(it->second);
        return values;
    }
};

struct OptionRule {
    const char* name;
    bool takesValue;
    bool repeatable;
    bool numberMayFollow = false;  // a flag that takes the next argument when it is a number
    bool takesPair = false;        // two values: the second is kept under the name + "+"
};

bool IsNumber(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

bool ParseArguments(int argc, char** argv, const std::vector<OptionRule>& rules, Arguments& parsed,
                    std::string& error) {
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            parsed.positional.push_back(arg);
            continue;
        }
        const OptionRule* rule = nullptr;
        for (const OptionRule& candidate : rules) {
            if (arg == candidate.name) rule = &candidate;
        }
        if (!rule) {
            std::vector<std::string> names;
            for (const OptionRule& candidate : rules) names.push_back(candidate.name);
            const std::string nearest = NearestName(arg, names);
            error = "unknown option " + arg + " for " + argv[1] +
                    (nearest.empty() ? "" : "; did you mean " + nearest + "?");
            return false;
        }
        if (!rule->repeatable && parsed.Has(arg)) {
            error = "option " + arg + " given twice";
            return false;
        }
        if (!rule->takesValue) {
            const bool number = rule->numberMayFollow && i + 1 < argc && IsNumber(argv[i + 1]);
            parsed.options.emplace(arg, number ? std::string(argv[++i]) : std::string());
            continue;
        }
        if (i + 1 + rule->takesPair >= argc) {
            error = "option " + arg + (rule->takesPair ? " needs two files" : " needs a value");
            return false;
        }
        if (rule->takesPair) {
            parsed.options.emplace(arg, argv[++i]);
            parsed.options.emplace(arg + "+", argv[++i]);
            continue;
        }
        // A forgotten value must not take the next option as one (--out --html).
        const std::string next = argv[i + 1];
        if (next.size() > 2 && next.compare(0, 2, "--") == 0) {
            error = "option " + arg + " needs a value, not the option " + next;
            return false;
        }
        parsed.options.emplace(arg, argv[++i]);
    }
    return true;
}

// Standard input can be read once: "-" may stand for one input only.
bool StandardInputOnce(const Arguments& args, std::string& error) {
    int count = 0;
    for (const char* option : {"--project", "--nfo", "--diz"}) {
        for (const std::string& value : args.Values(option)) count += value == "-";
    }
    if (count > 1) error = "\"-\" (standard input) stands for more than one input";
    return count <= 1;
}

// --wrap N: a number of columns, 0 for none.
bool ParseWrap(const Arguments& args, std::size_t& wrap, std::string& error) {
    wrap = kTextBlockColumns;
    if (!args.Has("--wrap")) return true;
    const std::string text = args.Value("--wrap");
    if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos) {
        error = "--wrap wants a number of columns (0 to 999999), not \"" + text + "\"";
        return false;
    }
    wrap = static_cast<std::size_t>(std::strtoul(text.c_str(), nullptr, 10));
    return true;
}

// The picture in effect (--date-format, else the locale's) writes {N} and reads the project's
// date; then the project, then --date over the day it set.
bool LoadForm(const Arguments& args, MemoryProjectForm& form, std::vector<Finding>& warnings,
              std::string& error) {
    if (args.Has("--date-format") && args.Value("--date-format").empty()) {
        error = "--date-format wants a picture such as dd.MM.yyyy";
        return false;
    }
    form.SetDatePicture(args.Has("--date-format") ? args.Value("--date-format")
                                                  : LocaleShortDatePicture());
    std::optional<DateTimeValue> date;
    if (args.Has("--date")) {
        date = ParseIsoDate(args.Value("--date"));
        if (!date) {
            error = "--date wants a day as YYYY-MM-DD, not \"" + args.Value("--date") + "\"";
            return false;
        }
    }
    ProjectReading how;
    how.dateFromProject = !date;
    if (args.Has("--project-encoding") &&
        !ParseProjectEncoding(args.Value("--project-encoding"), how.encoding)) {
        error = "--project-encoding wants ansi, utf-8 or auto, not \"" +
                args.Value("--project-encoding") + "\"";
        return false;
    }
    if (args.Has("--project") && !ReadProjectFile(args.Value("--project"), how, form, warnings, error))
        return false;
    if (date) form.SetDate(*date);
    return true;
}

// Warnings go to standard error, one a line; with --strict they make the exit status 1.
int WarnedExit(const Arguments& args, const std::vector<Finding>& warnings) {
    FindingList listed;  // a long run of one kind is counted, not listed
    for (const Finding& warning : warnings) listed.push_back(warning);
    std::fputs(FindingsText(listed.Take()).c_str(), stderr);
    return args.Has("--strict") && !warnings.empty() ? kProblemsFound : kSuccess;
}

// --cell-width, --scale and --colors, the options of a picture; false with the reason.
bool ParsePictureOptions(const Arguments& args, PictureOptions& options, std::string& error) {
    if (args.Has("--colors") && !ParseColors(args.Value("--colors"), options.colors, error)) return false;
    if (args.Has("--cell-width")) {
        const std::string width = args.Value("--cell-width");
        if (width != "8" && width != "9") {
            error = "--cell-width wants 8 or 9 (VGA cells), not \"" + width + "\"";
            return false;
        }
        options.cellWidth = width[0] - '0';
    }
    if (args.Has("--scale")) {
        const std::string scale = args.Value("--scale");
        if (scale.size() != 1 || scale[0] < '1' || scale[0] > '0' + kMaxScale) {
            error = "--scale wants a whole number from 1 to " + std::to_string(kMaxScale) + ", not \"" + scale + "\"";
            return false;
        }
        options.scale = scale[0] - '0';
    }
    return true;
}

// The picture options go with a picture only.
bool PictureOptionsWithoutPicture(const Arguments& args, std::string& error) {
    for (const char* option : {"--colors", "--cell-width", "--scale"}) {
        if (args.Has(option) && !args.Has("--png")) {
            error = std::string(option) + " goes with --png";
            return true;
        }
    }
    return false;
}

// The text drawn with the built-in DOS font, as the picture options say.
bool WritePng(const Arguments& args, std::string_view cp437, const std::string& path, std::string& error) {
    PictureOptions options;
    if (!ParsePictureOptions(args, options, error)) return false;
    TextPicture picture;
    if (!picture.Lay(cp437, options, error)) return false;
    const std::string png = EncodePng(picture);
    if (png.empty()) {
        error = "the PNG encoder failed";
        return false;
    }
    return WriteOutput(path, png, error);
}

// Writes the NFO (named after Team Name, as "Save NFO && DIZ" names it) and File_ID.diz into
// the --out folder. Nothing is left half-written: when the DIZ cannot be written, the NFO
// goes back to what it was, and folders made for them go again.
int WriteRelease(const Arguments& args, const MemoryProjectForm& form, const std::string& nfo,
                 const std::string& diz) {
    const std::string folder = args.Value("--out");
    const std::string team = form.GetText(ReleaseField(kTeamNameLetter));
    std::string error;
    if (args.Has("--nfo")) {
        // The window's rule first, so that both refuse the same names with the same words.
        const unsigned codePage = platform::AnsiCodePage();
        const NameVerdict verdict = JudgeFileName(team, codePage);
        if (!verdict.Ok()) return Fail(NameRefusalText("Team Name", team, verdict, codePage));
        if (!UsableFileName(team, error)) {
            return Fail("Team Name {F} \"" + ShownPath(team) +
                        "\" cannot name the NFO file: " + error);
        }
    }
    std::vector<std::string> madeFolders;
    if (!MakeFolders(folder, madeFolders, error)) return Fail(error);
    // The project's text is in the system code page; the path is UTF-8.
    const std::string nfoPath = JoinPath(folder, platform::PathFromAnsi(team) + ".nfo");
    // Only a plain file is kept to put back; a device, a pipe or a link to one is written
    // through and never removed.
    std::string previousNfo;
    const bool newNfo = args.Has("--nfo") && !platform::FileExists(nfoPath);
    const bool keptNfo = args.Has("--nfo") && platform::IsRegularFile(nfoPath) &&
                         ReadInput(nfoPath, kMaxOutputBytes, previousNfo, error);
    auto undo = [&]() {
        std::error_code ignored;
        if (keptNfo) {
            WriteOutput(nfoPath, previousNfo, error);
        } else if (newNfo) {
            std::filesystem::remove(nfoPath, ignored);
        }
        RemoveFolders(madeFolders);
    };
    if (args.Has("--nfo") && !WriteOutput(nfoPath, nfo, error)) {
        const std::string reason = error;
        undo();
        return Fail(reason);
    }
    if (args.Has("--diz") && !WriteOutput(JoinPath(folder, "File_ID.diz"), diz, error)) {
        const std::string reason = error;
        undo();
        return Fail(reason);
    }
    return kSuccess;
}

int Render(const Arguments& args) {
    if (!args.positional.empty()) return UsageError("render takes no file without an option: " + args.positional[0]);
    if (!args.Has("--nfo") && !args.Has("--diz")) return UsageError("render needs --nfo and/or --diz");
    std::string error;
    if (!StandardInputOnce(args, error)) return UsageError(error);
    std::size_t wrap = 0;
    if (!ParseWrap(args, wrap, error)) return UsageError(error);
    MemoryProjectForm form;
    std::vector<Finding> warnings;
    if (!LoadForm(args, form, warnings, error)) return Fail(error);

    std::string nfoBytes, dizBytes;
    if (args.Has("--nfo") && !ReadInput(args.Value("--nfo"), nfoBytes, error)) return Fail(error);
    if (args.Has("--diz") && !ReadInput(args.Value("--diz"), dizBytes, error)) return Fail(error);

    const RenderInput input = RenderInputFromProject(form, wrap);
    std::string nfo, diz;
    if (args.Has("--nfo") && !RenderTemplate(args.Value("--nfo"), TemplateKind::Nfo, nfoBytes,
                                             input, nfo, warnings, error)) {
        return Fail(error);
    }
    if (args.Has("--diz") && !RenderTemplate(args.Value("--diz"), TemplateKind::Diz, dizBytes,
                                             input, diz, warnings, error)) {
        return Fail(error);
    }

    // The picture is of the NFO, or of the DIZ when that is all there is.
    if (args.Has("--png") &&
        !WritePng(args, args.Has("--nfo") ? nfo : diz, args.Value("--png"), error)) {
        return Fail(error);
    }
    if (!args.Has("--out")) {
        if (!WriteOutput("-", nfo + diz, error)) return Fail(error);
    } else if (const int written = WriteRelease(args, form, nfo, diz); written != kSuccess) {
        return written;
    }
    return WarnedExit(args, warnings);
}

int Export(const Arguments& args) {
    if (args.positional.size() != 1) return UsageError("export takes exactly one input file");
    std::string error;
    if (args.Has("--utf8") + args.Has("--html") + args.Has("--png") != 1) {
        return UsageError("export needs one of --utf8, --html and --png");
    }
    if (PictureOptionsWithoutPicture(args, error)) return UsageError(error);
    const std::string& input = args.positional[0];
    std::string bytes;
    if (!ReadInput(input, bytes, error)) return Fail(error);
    if (args.Has("--png")) return WritePng(args, bytes, args.Value("--out"), error) ? kSuccess : Fail(error);
    const std::string name = input.substr(platform::FolderPart(input).size());
    const std::string out = args.Has("--utf8") ? ExportUtf8(bytes) : ExportHtml(bytes, name);
    if (!WriteOutput(args.Value("--out"), out, error)) return Fail(error);
    return kSuccess;
}

// A size given as a number of columns, within [least, 999999].
bool ParseColumns(const Arguments& args, const char* option, std::size_t least,
                  std::size_t& columns, std::string& error) {
    const std::string text = args.Value(option);
    if (!IsNumber(text) || text.size() > 6 || std::strtoul(text.c_str(), nullptr, 10) < least) {
        error = std::string(option) + " wants a number of columns (" + std::to_string(least) +
                " to 999999), not \"" + text + "\"";
        return false;
    }
    columns = static_cast<std::size_t>(std::strtoul(text.c_str(), nullptr, 10));
    return true;
}

int Normalize(const Arguments& args) {
    if (args.positional.size() != 1) return UsageError("normalize takes exactly one input file");
    NormalizeOptions options;
    std::string error;
    if (args.Has("--tabs") && !ParseColumns(args, "--tabs", 1, options.tabs, error))
        return UsageError(error);
    options.pad = args.Has("--pad");
    if (options.pad && !args.Value("--pad").empty() &&
        !ParseColumns(args, "--pad", 1, options.padWidth, error)) {
        return UsageError(error);
    }
    const std::string& input = args.positional[0];
    std::string bytes;
    if (!ReadInput(input, bytes, error)) return Fail(error);
    const Normalized normalized = NormalizeArt(input, bytes, options);
    if (!WriteOutput(args.Value("--out"), normalized.bytes, error)) return Fail(error);
    std::fputs(FindingsText(normalized.report).c_str(), stderr);
    return HasProblems(normalized.report) ? kProblemsFound : kSuccess;
}

int Check(const Arguments& args) {
    if (!args.positional.empty()) return UsageError("check takes no file without an option: " + args.positional[0]);
    if (!args.Has("--nfo") && !args.Has("--diz")) return UsageError("check needs --nfo and/or --diz");
    std::string error;
    if (!StandardInputOnce(args, error)) return UsageError(error);
    CheckRequest request;
    if (!ParseWrap(args, request.wrap, error)) return UsageError(error);
    MemoryProjectForm form;
    if (!LoadForm(args, form, request.projectWarnings, error)) return Fail(error);
    if (args.Has("--project")) {
        request.project = &form;
        request.projectPath = args.Value("--project");
    }
    for (const auto& [option, kind] : {std::pair<const char*, TemplateKind>{"--nfo", TemplateKind::Nfo},
                                       std::pair<const char*, TemplateKind>{"--diz", TemplateKind::Diz}}) {
        for (const std::string& path : args.Values(option)) {
            CheckedTemplate checked{path, kind, {}};
            if (!ReadInput(path, checked.bytes, error)) return Fail(error);
            request.templates.push_back(std::move(checked));
        }
    }
    const std::vector<Finding> findings = CheckTemplates(request);
    const std::string report = args.Has("--json") ? FindingsJson(findings) : FindingsText(findings);
    if (!WriteOutput("-", report, error)) return Fail(error);
    const bool strictFail = args.Has("--strict") && HasWarnings(findings);
    return HasProblems(findings) || strictFail ? kProblemsFound : kSuccess;
}

// The project the filled files were made from; exit 1 when it does not give them back.
int Recover(const Arguments& args) {
    if (!args.positional.empty()) return UsageError("recover takes no file without an option: " + args.positional[0]);
    if (!args.Has("--nfo") && !args.Has("--diz")) return UsageError("recover needs --nfo and/or --diz");
    RecoverRequest request;
    std::string error;
    if (!ParseWrap(args, request.wrap, error)) return UsageError(error);
    if (args.Has("--date-format") && args.Value("--date-format").empty())
        return UsageError("--date-format wants a picture such as dd.MM.yyyy");
    request.datePicture = args.Has("--date-format") ? args.Value("--date-format") : LocaleShortDatePicture();
    int standardInput = 0;
    for (const auto& [option, pair, has] : {std::tuple<const char*, RecoverPair*, bool*>{"--nfo", &request.nfo, &request.hasNfo},
                                            std::tuple<const char*, RecoverPair*, bool*>{"--diz", &request.diz, &request.hasDiz}}) {
        if (!args.Has(option)) continue;
        *has = true;
        pair->templatePath = args.Value(option);
        pair->filledPath = args.Value(std::string(option) + "+");
        standardInput += (pair->templatePath == "-") + (pair->filledPath == "-");
        if (standardInput > 1) return UsageError("\"-\" (standard input) stands for more than one input");
        if (!ReadInput(pair->templatePath, pair->templateBytes, error) ||
            !ReadInput(pair->filledPath, pair->filledBytes, error))
            return Fail(error);
    }
    Recovered recovered = RecoverProject(request);
    const std::string project = ProjectFileText(recovered.form);
    if (!WriteOutput(args.Value("--out"), project, error)) return Fail(error);
    std::fputs(FindingsText(recovered.findings).c_str(), stderr);
    return recovered.reproduces && !HasProblems(recovered.findings) ? kSuccess : kProblemsFound;
}

int Run(int argc, char** argv) {
    if (argc < 2) return UsageError("no command given");
    const std::string command = argv[1];
    if (command == "--version") {
        std::printf("glyphwright-cli %s\n", GW_VERSION);
        return kSuccess;
    }
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
        std::fputs(kHelp, stdout);
        return kSuccess;
    }
    for (int i = 2; i < argc; ++i) {
        if (std::string(argv[i]) == "--help") {
            std::fputs(kUsage, stdout);
            std::fputs(kHelp, stdout);
            return kSuccess;
        }
    }
    Arguments args;
    std::string error;
    if (command == "render") {
        if (!ParseArguments(argc, argv,
                            {{"--project", true, false},
                             {"--nfo", true, false},
                             {"--diz", true, false},
                             {"--out", true, false},
                             {"--wrap", true, false},
                             {"--png", true, false},
                             {"--colors", true, false},
                             {"--cell-width", true, false},
                             {"--scale", true, false},
                             {"--date", true, false},
                             {"--date-format", true, false},
                             {"--strict", false, false},
                             {"--project-encoding", true, false}},
                            args, error)) {
            return UsageError(error);
        }
        return Render(args);
    }
    if (command == "check") {
        if (!ParseArguments(argc, argv,
                            {{"--project", true, false},
                             {"--nfo", true, true},
                             {"--diz", true, true},
                             {"--wrap", true, false},
                             {"--json", false, false},
                             {"--date", true, false},
                             {"--date-format", true, false},
                             {"--strict", false, false},
                             {"--project-encoding", true, false}},
                            args, error)) {
            return UsageError(error);
        }
        return Check(args);
    }
    if (command == "normalize") {
        if (!ParseArguments(
                argc, argv,
                {{"--out", true, false}, {"--tabs", true, false}, {"--pad", false, false, true}},
                args, error)) {
            return UsageError(error);
        }
        return Normalize(args);
    }
    if (command == "export") {
        if (!ParseArguments(argc, argv, {{"--utf8", false, false}, {"--html", false, false}, {"--png", false, false},
                                         {"--colors", true, false}, {"--cell-width", true, false},
                                         {"--scale", true, false}, {"--out", true, false}},
                            args, error)) {
            return UsageError(error);
        }
        return Export(args);
    }
    if (command == "recover") {
        if (!ParseArguments(argc, argv,
                            {{"--nfo", true, false, false, true},
                             {"--diz", true, false, false, true},
                             {"--wrap", true, false},
                             {"--date-format", true, false},
                             {"--out", true, false}},
                            args, error)) {
            return UsageError(error);
        }
        return Recover(args);
    }
    const std::string nearest = NearestName(command, {"render", "check", "normalize", "export", "recover"});
    return UsageError("unknown command \"" + command + "\"" +
                      (nearest.empty() ? "" : "; did you mean " + nearest + "?"));
}

}  // namespace
}  // namespace glyphwright::cli

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>

#include "platform/wide_text.h"

// The arguments as the wide command line gives them, in UTF-8, the program's form for paths:
// the ANSI ones lose every character of a file name outside the system code page.
int main(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return glyphwright::cli::Run(argc, argv);
    std::vector<std::string> texts;
    for (int i = 0; i < count; ++i) texts.push_back(glyphwright::platform::Narrow(wide[i]));
    LocalFree(wide);
    std::vector<char*> arguments;
    for (std::string& text : texts) arguments.push_back(text.data());
    arguments.push_back(nullptr);
    return glyphwright::cli::Run(count, arguments.data());
}
#else
int main(int argc, char** argv) { return glyphwright::cli::Run(argc, argv); }
#endif
