// Project files as the command-line companion reads them, on arbitrary bytes: opening must
// answer (a project or a message naming the file), and whatever it reads must render and be
// checked without crashing. The bytes go through a file because the reader follows the
// platform's profile functions, which read one value at a time from a file.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "cli/cli_check.h"
#include "cli/cli_render.h"
#include "cli/project_values.h"

namespace {

// A template with every placeholder in the places the renderer treats differently: centred,
// after a label, at the start of a line, and text blocks inside and outside the middle.
const std::string kTemplate =
    "|                 {A}                 |\r\n"
    "| Name: {B}      Date ..{N}       {Q} |\r\n"
    "{C}{D}{E}{F}{G}{H}{I}{J}{K}{L}{M}{O}{P}\r\n"
    "|  {R}                                                                   |\r\n"
    "|                                     {S}                                |\r\n"
    "| Info: {T}  {U}                       |\r\n";

std::string ProjectPath() {
    return "/tmp/gw-fuzz-project-" + std::to_string(getpid()) + ".gwp";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace glyphwright::cli;
    static const std::string path = ProjectPath();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    MemoryProjectForm form;
    std::string error;
    if (!OpenProject(path, form, error)) {
        if (error.find(path) == std::string::npos) std::abort();  // the message names the file
        return 0;
    }
    const glyphwright::RenderInput input = ReadRenderInput(form, 70);
    for (const auto& lines : input.blocks) {
        if (lines.empty()) std::abort();  // a block always shows at least one line
    }
    glyphwright::RenderNfo(kTemplate, input);
    glyphwright::RenderDiz(kTemplate, input.lineValues);
    CheckRequest request;
    request.project = &form;
    request.projectPath = path;
    request.wrap = 70;
    request.templates.push_back({"fuzz.nfo", TemplateKind::Nfo, kTemplate});
    CheckTemplates(request);
    return 0;
}
