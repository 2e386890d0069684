// Template listing, rendering and raw views: Make NFO/DIZ, View NFO/DIZ, a new template choice.

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
    Document& document = window.state.nfoDocument;
    // A template that cannot be read leaves the last rendering in place; it is rendered again.
    LoadDocument(document, TemplatePathOf(*window.nfoTemplateBox));
    MarkStep("Make NFO: form and template read");
    RenderNfo(document, input);
    MarkStep("Make NFO: rendered");
    window.nfoPreview->SetText(DocumentText(document));
    MarkStep("Make NFO: preview filled");
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
