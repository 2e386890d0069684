// Template listing, rendering and raw views: Make NFO/DIZ, View NFO/DIZ, a new template choice.

#include <windows.h>

#include "app/commands.h"
#include "app/main_window.h"
#include "app/render_input.h"
#include "app/step_marks.h"
#include "app/startup_steps.h"
#include "model/document_load.h"
#include "model/render_pipeline.h"
#include "model/template_catalogue.h"
#include "platform/files.h"

namespace glyphwright {

namespace {

constexpr char kNfoPattern[] = "*.nfo";
constexpr char kDizPattern[] = "*.diz";

// Text blocks repeat every line that holds them once per block line, so a long text in a
// template of many such lines multiplies. The preview and the saved text hold the NFO again,
// and all of it has to fit beside the program in the 2 GB of a 32-bit process.
constexpr std::size_t kMaxNfoBytes = std::size_t(64) << 20;
constexpr char kNfoTooLargeText[] =
    "The NFO would be larger than 64 MB: the text blocks repeat every template line that holds "
    "them once per line of text.\r\n"
    "Make NFO stopped; the preview keeps what it showed. A shorter text, or a template with fewer "
    "such lines, makes a smaller NFO.";

// The box's current entry in the template folder. An empty name gives the folder itself,
// which no load can open.
std::string TemplatePathOf(const ui::ListBox& box) {
    return TemplatePath(platform::StartFolder(), box.CurrentText());
}

// The raw view: the file's bytes as they are, or nothing when there is no name or no file.
// The preview ends its text at a NUL byte, as every window text does.
void ShowTemplate(const ui::ListBox& box, ui::View& preview) {
    const std::string name = box.CurrentText();
    preview.SetText(name.empty() ? std::string() : ReadTemplateText(TemplatePath(platform::StartFolder(), name)));
}

// Programmatic marking raises no LBN_SELCHANGE, so the boxes' choice handlers stay quiet.
void MakeFirstEntryCurrent(ui::ListBox& box) {
    if (box.Count() > 0) box.MakeCurrent(0);
}

}  // namespace

void FillTemplateLists(MainWindow& window) {
    const std::string folder = TemplateFolder(platform::StartFolder());
    ui::ListBox& diz = *window.dizTemplateBox;
    diz.AddDirectory(folder + kDizPattern);
    diz.Add(std::string());  // "no DIZ template"
    if (diz.Count() == 1) diz.SetSelected(0, true);
    window.nfoTemplateBox->AddDirectory(folder + kNfoPattern);
}

void ShowFirstTemplates(MainWindow& window) {
    ShowNfoTemplate(window);
    ShowDizTemplate(window);
}

void MakeFirstTemplatesCurrent(MainWindow& window) {
    MakeFirstEntryCurrent(*window.dizTemplateBox);
    MakeFirstEntryCurrent(*window.nfoTemplateBox);
}

void MakeNfo(MainWindow& window) {
    MarkStep("Make NFO: start");
    const RenderInput input = ReadRenderInput(window);
    // Rendered apart, so that a rendering refused for its size leaves the kept one as it was.
    // A template that cannot be read leaves the last rendering to be rendered again.
    Document document;
    if (!LoadDocument(document, TemplatePathOf(*window.nfoTemplateBox)))
        document = window.state.nfoDocument;
    MarkStep("Make NFO: form and template read");
    if (!RenderNfoWithin(document, input, kMaxNfoBytes)) {
        const std::string caption = window.Window().Text();
        MessageBoxA(window.Window().Handle(), kNfoTooLargeText, caption.c_str(),
                    MB_OK | MB_ICONEXCLAMATION);
        return;  // the page shown stays too
    }
    window.state.nfoDocument = std::move(document);
    MarkStep("Make NFO: rendered");
    window.nfoPreview->SetText(DocumentText(window.state.nfoDocument));
    MarkStep("Make NFO: preview filled");
    window.SelectPage(kPagePreviewNfo);
}

void MakeDiz(MainWindow& window) {
    if (window.dizTemplateBox->CurrentText().empty()) return;
    const RenderInput input = ReadRenderInput(window);
    Document& document = window.state.dizDocument;
    LoadDocument(document, TemplatePathOf(*window.dizTemplateBox));
    RenderDiz(document, input.lineValues);
    window.dizPreview->SetText(DocumentText(document));
}

void ViewNfo(MainWindow& window) {
    ShowNfoTemplate(window);
}

void ViewDiz(MainWindow& window) {
    if (!window.dizTemplateBox->CurrentText().empty()) ShowDizTemplate(window);
}

void ShowNfoTemplate(MainWindow& window) {
    ShowTemplate(*window.nfoTemplateBox, *window.nfoPreview);
}

void ShowDizTemplate(MainWindow& window) {
    ShowTemplate(*window.dizTemplateBox, *window.dizPreview);
}

}  // namespace glyphwright
