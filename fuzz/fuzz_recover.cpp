// recover on files made from a project and then edited: whatever it reads must not crash it,
// and when it says its project gives the file back, rendering that project must give exactly
// the file. Input: a project's bytes, a NUL, then pairs (position, byte) written over the
// rendering before it is recovered.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "cli/cli_render.h"
#include "cli/project_values.h"
#include "cli/recover.h"

namespace {

const std::string kTemplate =
    "+--------------------------------------------------------------------------+\r\n"
    "|                                 {A}                                      |\r\n"
    "| Name: {B}      Date ..{N}       {Q}                                      |\r\n"
    "{C}  {D}{E}   {F}   {G}:{H}   {I}{J} {K}{L}{M}   {O}{P}\r\n"
    "|  {R}                                                                     |\r\n"
    "|                                     {S}                                  |\r\n"
    "| Info: {T}  {U}                                                           |\r\n"
    "+--------------------------------------------------------------------------+\r\n";

std::string Render(const glyphwright::MemoryProjectForm& form) {
    using namespace glyphwright::cli;
    std::string text, error;
    std::vector<Finding> warnings;
    RenderTemplate("t.nfo", TemplateKind::Nfo, kTemplate, RenderInputFromProject(form, 69), text, warnings, error);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace glyphwright::cli;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = input.find('\0');
    MemoryProjectForm form;
    form.SetDatePicture("dd.MM.yyyy");
    if (!ReadProjectBytes(input.substr(0, nul), form)) return 0;
    std::string filled = Render(form);
    if (filled.empty() || filled.size() > (1 << 16)) return 0;
    if (nul != std::string_view::npos) {
        for (std::size_t i = nul + 1; i + 1 < input.size(); i += 2)
            filled[static_cast<unsigned char>(input[i]) * 131 % filled.size()] = input[i + 1];
    }
    RecoverRequest request;
    request.hasNfo = true;
    request.nfo = {"t.nfo", "f.nfo", kTemplate, filled};
    request.datePicture = "dd.MM.yyyy";
    Recovered recovered = RecoverProject(request);
    if (!recovered.reproduces) return 0;
    MemoryProjectForm again;
    again.SetDatePicture("dd.MM.yyyy");
    if (!ReadProjectBytes(ProjectFileText(recovered.form), again) || Render(again) != filled) std::abort();
    return 0;
}
