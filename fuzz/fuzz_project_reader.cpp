// Project files as the command-line companion reads them, on arbitrary bytes parsed in memory:
// opening must answer (a project or not one), and whatever it reads must render and be checked
// without crashing.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace glyphwright::cli;
    MemoryProjectForm form;
    if (!ReadProjectBytes(std::string_view(reinterpret_cast<const char*>(data), size), form))
        return 0;
    const glyphwright::RenderInput input = RenderInputFromProject(form, 70);
    for (const auto& lines : input.blocks) {
        if (lines.empty()) std::abort();  // a block always shows at least one line
    }
    glyphwright::Document nfo = glyphwright::ParseDocument(kTemplate);
    glyphwright::RenderNfo(nfo, input);
    glyphwright::Document diz = glyphwright::ParseDocument(kTemplate);
    glyphwright::RenderDiz(diz, input.lineValues);
    CheckRequest request;
    request.project = &form;
    request.projectPath = "fuzz.gwp";
    request.wrap = 70;
    request.templates.push_back({"fuzz.nfo", TemplateKind::Nfo, kTemplate});
    CheckTemplates(request);
    return 0;
}
