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

// The listed name of the box's current entry; the DIZ box's last, empty entry has none.
std::string CurrentName(const ui::ListBox& box, const std::vector<std::string>& names) {
    const int index = box.CurrentIndex();
    return index >= 0 && static_cast<std::size_t>(index) < names.size() ? names[index] : std::string();
}

// The raw view: the file's bytes as they are, or nothing when there is no name or no file.
// The preview ends its text at a NUL byte, as every window text does.
void ShowTemplate(const std::string& name, ui::View& preview) {
    preview.SetText(name.empty() ? std::string() : ReadTemplateText(TemplatePath(platform::StartFolder(), name)));
}

// Lists the folder's templates into the box and remembers the names.
void FillTemplateList(ui::ListBox& box, std::vector<std::string>& names, const std::string& folder,
                      const char* pattern) {
    names = platform::ListFiles(folder, pattern);
    for (const std::string& name : names) box.Add(name);
}

// Programmatic marking raises no LBN_SELCHANGE, so the boxes' choice handlers stay quiet.
void MakeFirstEntryCurrent(ui::ListBox& box) {
    if (box.Count() > 0) box.MakeCurrent(0);
}

}  // namespace

void FillTemplateLists(MainWindow& window) {
    const std::string folder = TemplateFolder(platform::StartFolder());
    ui::ListBox& diz = *window.dizTemplateBox;
    FillTemplateList(diz, window.state.dizTemplates, folder, kDizPattern);
    diz.Add(std::string());  // "no DIZ template"
    if (diz.Count() == 1) diz.SetSelected(0, true);
    FillTemplateList(*window.nfoTemplateBox, window.state.nfoTemplates, folder, kNfoPattern);
}

std::string CurrentNfoTemplate(const MainWindow& window) {
    return CurrentName(*window.nfoTemplateBox, window.state.nfoTemplates);
}

std::string CurrentDizTemplate(const MainWindow& window) {
    return CurrentName(*window.dizTemplateBox, window.state.dizTemplates);
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
    const RenderInput input = RenderInputFromWindow(window);
    // Rendered apart, so that a rendering refused for its size leaves the kept one as it was.
    // A template that cannot be read leaves the last rendering to be rendered again.
    Document document;
    if (!LoadDocument(document, TemplatePath(platform::StartFolder(), CurrentNfoTemplate(window))))
        document = window.state.nfoDocument;
    MarkStep("Make NFO: form and template read");
    if (!RenderNfoWithin(document, input, kMaxNfoBytes)) {
        ReportFailure(window, kNfoTooLargeText);
        return;  // the page shown stays too
    }
    window.state.nfoDocument = std::move(document);
    MarkStep("Make NFO: rendered");
    window.nfoPreview->SetText(DocumentText(window.state.nfoDocument));
    MarkStep("Make NFO: preview filled");
    window.SelectPage(kPagePreviewNfo);
}

void MakeDiz(MainWindow& window) {
    const std::string name = CurrentDizTemplate(window);
    if (name.empty()) return;
    const RenderInput input = RenderInputFromWindow(window);
    Document& document = window.state.dizDocument;
    LoadDocument(document, TemplatePath(platform::StartFolder(), name));
    RenderDiz(document, input.lineValues);
    window.dizPreview->SetText(DocumentText(document));
}

void ViewNfo(MainWindow& window) {
    ShowNfoTemplate(window);
}

void ViewDiz(MainWindow& window) {
    if (!CurrentDizTemplate(window).empty()) ShowDizTemplate(window);
}

void ShowNfoTemplate(MainWindow& window) {
    ShowTemplate(CurrentNfoTemplate(window), *window.nfoPreview);
}

void ShowDizTemplate(MainWindow& window) {
    ShowTemplate(CurrentDizTemplate(window), *window.dizPreview);
}

}  // namespace glyphwright
