#include "app/main_window.h"

#include <optional>
#include <string>
#include <type_traits>

#include "app/commands.h"
#include "app/control_ids.h"
#include "app/menu_table.h"
#include "app/file_name_field.h"
#include "app/startup.h"
#include "app/step_marks.h"
#include "app/status_captions.h"
#include "ui/geometry.h"
#include "ui/menu.h"

namespace glyphwright {

namespace {

constexpr char kCaption[] = "Glyphwright";
// Pixel figures of a 96-DPI display, like every other; ui::Scale takes them to the display's.
constexpr int kClientWidth = 531;
constexpr int kClientHeight = 505;
constexpr int kFontHeight = -11;
// The OEM font's size meant at 96 DPI is 12 rows high (Windows answers the 11-pixel request
// with it), and a whole NFO line of 79 columns of it fits the views.
constexpr int kOemCellHeight = 12;
constexpr int kNfoColumns = 79;
constexpr BYTE kFixedPitch = FIXED_PITCH | FF_MODERN;

// A face the window asks for, and what stands in for it where the system lacks it.
struct FaceChoice {
    ui::FontRequest wanted;
    ui::FontRequest standIn;
};

// A plain Wine set-up has none of the three faces, and its font mapper answers with a
// proportional OpenType face whose text shaping reads out of bounds on some bytes (0x98
// starting a run): the program died inside an edit control, typing into the Delimiter or
// opening a project. So each stand-in is fixed-pitch, which never reaches that code; the
// mapper answers the name below with whatever fixed-pitch face the system has. Windows has
// all three faces and uses them as asked.
constexpr char kAnyFixedPitchFace[] = "Courier New";
// Cells narrow enough for the layout made for the face asked for: the labels sized for
// Tahoma hold their captions in cells of 5 pixels, and the views 79 columns of 6 (wider
// cells would wrap every NFO line, and a big template into a hundred thousand lines).
constexpr int kWindowStandInCellWidth = 5;
constexpr int kTerminalStandInCellWidth = 6;

constexpr FaceChoice kWindowFace = {
    {"Tahoma", kFontHeight},
    {kAnyFixedPitchFace, kFontHeight, DEFAULT_CHARSET, kFixedPitch, kWindowStandInCellWidth}};
// The pitch is asked for as it always was: Windows maps the very request it mapped before.
constexpr FaceChoice kLucidaFace = {
    {"Lucida Console", kFontHeight, DEFAULT_CHARSET, kFixedPitch},
    {kAnyFixedPitchFace, kFontHeight, DEFAULT_CHARSET, kFixedPitch}};
// An OEM font: the previews and the information text are OEM bytes shown as they are.
constexpr FaceChoice kTerminalFace = {
    {"Terminal", kFontHeight, OEM_CHARSET},
    {kAnyFixedPitchFace, kFontHeight, DEFAULT_CHARSET, kFixedPitch, kTerminalStandInCellWidth}};

// The face choice at the display's scale: the heights as Windows sizes fonts (ui::FontHeight),
// a stand-in's cell width times DPI/96 rounded down, so that its cells stay within the room
// laid out for the face asked for.
FaceChoice AtScale(FaceChoice choice, int dpi) {
    choice.wanted.height = ui::FontHeight(choice.wanted.height, dpi);
    choice.standIn.height = ui::FontHeight(choice.standIn.height, dpi);
    choice.standIn.width = ui::ScaleDown(choice.standIn.width, dpi);
    return choice;
}

std::unique_ptr<ui::Font> ChooseFont(const FaceChoice& choice) {
    return ui::Font::WantedOrStandIn(choice.wanted, choice.standIn);
}

}  // namespace

MainWindow::MainWindow(OemFontSource oemFont) : oemFont_(oemFont) {}

MainWindow::~MainWindow() {
    // The window (and with it every control) goes before the fonts it draws with.
    window_.reset();
}

std::vector<std::unique_ptr<ui::Font>> MainWindow::MakeFonts() {
    std::vector<std::unique_ptr<ui::Font>> retired;
    auto take = [&retired](std::unique_ptr<ui::Font>& held, std::unique_ptr<ui::Font> made) {
        if (!held) {
            held = std::move(made);
            return;
        }
        held->Swap(*made);
        retired.push_back(std::move(made));
    };
    take(windowFont_, ChooseFont(AtScale(kWindowFace, dpi_)));
    take(lucidaFont_, ChooseFont(AtScale(kLucidaFace, dpi_)));
    // A system's own Terminal is asked as on Windows, for the window's font height at the
    // display's scale, and answers with the raster size it has for that; a bundled one is
    // fitted to the views once they are laid out (FitOemFontToViews).
    take(terminalFont_, ChooseFont(AtScale(kTerminalFace, dpi_)));
    // Where the window's own face stands in, the file dialog's would fault on some names too.
    fileDialog.SetControlsFont(windowFont_->HasFaceAskedFor() ? nullptr : windowFont_->Handle());
    return retired;
}

// The bundled font's sizes are known (ui::RasterCellSizes): the one of about 12 x DPI/96 rows,
// of which a whole NFO line fits the views, is asked for by its cell height, which no other size
// shares.
std::unique_ptr<ui::Font> MainWindow::FitOemFontToViews() {
    if (oemFont_ != OemFontSource::Bundled) return nullptr;
    const std::optional<ui::CellSize> cell =
        ui::ClosestFittingCell(ui::RasterCellSizes(kTerminalFace.wanted.face, OEM_CHARSET),
                               ui::Scale(kOemCellHeight, dpi_), kNfoColumns,
                               nfoPreview->ClientRect().width);
    if (!cell) return nullptr;
    FaceChoice choice = AtScale(kTerminalFace, dpi_);
    choice.wanted.height = cell->height;  // positive: the whole cell's height
    std::unique_ptr<ui::Font> made = ChooseFont(choice);
    terminalFont_->Swap(*made);
    for (ui::Edit* view : {static_cast<ui::Edit*>(nfoPreview), static_cast<ui::Edit*>(dizPreview),
                           static_cast<ui::Edit*>(informationView)})
        view->SetFont(terminalFont_.get());
    return made;  // the size drawn with until now, deleted by the caller
}

bool MainWindow::BuildWindow() {
    ui::WindowArgs args;
    args.caption = kCaption;
    args.clientWidth = kClientWidth;
    args.clientHeight = kClientHeight;
    args.style = WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX;
    args.exStyle = WS_EX_TOPMOST;
    args.icon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
    window_ = std::make_unique<ui::Window>();
    window_->Build(args);
    if (!window_->Handle()) return false;
    // The fonts and the size follow the display the window was made on.
    dpi_ = window_->Dpi();
    MakeFonts();
    window_->SetFont(windowFont_.get());
    if (dpi_ != ui::kBaseDpi)
        window_->SetClientSize(ui::Scale(kClientWidth, dpi_), ui::Scale(kClientHeight, dpi_));
    return true;
}

void MainWindow::ChangeDpi(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    const std::vector<std::unique_ptr<ui::Font>> retired = MakeFonts();
    window_->RefreshFonts();
    window_->FitTo(suggested, ui::Scale(kClientWidth, dpi_), ui::Scale(kClientHeight, dpi_));
    LayOutControls();
    const std::unique_ptr<ui::Font> oemRetired = FitOemFontToViews();
    FitLogo(*this);
    RedrawWindow(window_->Handle(), nullptr, nullptr,
                 RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void MainWindow::BuildMenu() {
    ui::Menu menu;
    HMENU popup = nullptr;
    const char* popupTitle = nullptr;
    for (std::size_t i = 0; i < kMenuEntryCount; ++i) {
        const MenuEntry& entry = kMenuEntries[i];
        if (!popupTitle || std::string(popupTitle) != entry.menu) {
            popup = menu.AddPopup(entry.menu);
            popupTitle = entry.menu;
        }
        menu.AddItem(popup, entry.item, entry.command);
    }
    window_->SetMenu(menu);
    window_->onCommand = [this](int command) { RunMenuCommand(*this, command); };
}

void MainWindow::RememberControls() {
    using namespace ids;
    for (const Placeholder& field : kPlaceholders) {
        fields_[static_cast<std::size_t>(ReleaseField(field.letter))] = ControlById(FieldId(field.letter));
    }
    auto find = [this](auto*& member, int id) {
        member = dynamic_cast<std::remove_reference_t<decltype(member)>>(ControlById(id));
    };
    find(releaseDate, FieldId(kReleaseDateLetter));
    find(fileName, FieldId(kFileNameLetter));
    find(delimiter, kDelimiter);
    find(packageTeam, kPackageTeam);
    find(spacer, kSpacer);
    find(nfoTemplateBox, kNfoTemplateBox);
    find(dizTemplateBox, kDizTemplateBox);
    find(nfoPreview, kNfoPreview);
    find(nfoPreviewFrame, kFrameNfoPreview);
    find(dizPreview, kDizPreview);
    find(dizPreviewFrame, kFrameDizPreview);
    find(informationView, kInformationView);
    find(logoFrame, kFrameAboutLogo);
    find(logoBox, kLogoBox);
}

void MainWindow::BindEvents() {
    window_->onShown = [this] { OnWindowShown(*this); };
    window_->onDpiChanged = [this](int dpi, const RECT& suggested) { ChangeDpi(dpi, suggested); };
    pages[kPageAbout]->onShown = [this] { ShowLogo(*this); };
    logoBox->onPaint = [this](HDC dc) { PaintLogo(*this, dc); };

    static_cast<ui::TextField*>(FieldControl(kNameLetter))->onTextChanged = [this] { UpdateFileNameField(*this); };
    FieldDropDown(kReleaseTypeLetter)->onTextChanged = [this] { ApplyInstallInfo(*this); };
    spacer->onCharTyped = [this](char) { RememberSpacer(*this); };
    spacer->onTextChanged = [this] { ReplaceSpacerInFileNameField(*this); };
    nfoTemplateBox->onSelectionChanged = [this] { ShowNfoTemplate(*this); };
    dizTemplateBox->onSelectionChanged = [this] { ShowDizTemplate(*this); };

    for (char letter : kTextBlockLetters) {
        ui::TextBlock* block = TextBlock(letter);
        ui::Frame* frame = TextBlockFrame(letter);
        block->onKeyUp = [block, frame] { ShowPosition(*block, *frame); };
        block->onMouseUp = [block, frame] { ShowPosition(*block, *frame); };
    }

    nfoPreview->onMouseMove = [this] { TakeFocusAndHideCaret(*nfoPreview); };
    nfoPreview->onMouseUp = [this] { ShowSelectionSize(*nfoPreview, *nfoPreviewFrame); };
    nfoPreview->onWheel = [this](int delta) { ScrollOneLine(*nfoPreview, delta); };
    dizPreview->onMouseMove = [this] { TakeFocusAndHideCaret(*dizPreview); };
    informationView->onMouseMove = [this] { TakeFocusAndHideCaret(*informationView); };
    informationView->onWheel = [this](int delta) { ScrollOneLine(*informationView, delta); };
}

ui::Control* MainWindow::ControlById(int id) const {
    auto found = byId_.find(id);
    return found == byId_.end() ? nullptr : found->second;
}

ui::Control* MainWindow::FieldControl(char letter) const {
    if (!IsPlaceholderLetter(letter)) return nullptr;
    return fields_[static_cast<std::size_t>(ReleaseField(letter))];
}

std::string MainWindow::Field(char letter) const {
    ui::Control* control = FieldControl(letter);
    return control ? control->Text() : std::string();
}

void MainWindow::SetField(char letter, const std::string& text) {
    // The picker takes a date, not a text.
    if (IsPlaceholderLetter(letter) && PlaceholderOf(letter).kind == PlaceholderKind::Date) return;
    if (ui::Control* control = FieldControl(letter)) control->SetText(text);
}

ui::Control* MainWindow::ItemControl(FormItem item) const {
    if (char letter = FieldLetter(item)) return FieldControl(letter);
    switch (item) {
    case FormItem::Delimiter: return ControlById(ids::kDelimiter);
    case FormItem::PackageTeam: return ControlById(ids::kPackageTeam);
    case FormItem::Spacer: return ControlById(ids::kSpacer);
    default: break;
    }
    for (const ArchiverRow& row : kArchivers) {
        if (item == ArchiverButtonItem(row.archiver)) return ControlById(ids::ArchiverButtonId(row.archiver));
        if (item == ArchiverOptionsItem(row.archiver)) return ControlById(ids::ArchiverOptionsId(row.archiver));
    }
    return nullptr;
}

std::string MainWindow::ItemText(FormItem item) const {
    ui::Control* control = ItemControl(item);
    if (!control || dynamic_cast<ui::RadioButton*>(control)) return {};
    return control->Text();
}

void MainWindow::SetItemText(FormItem item, const std::string& text) {
    if (char letter = FieldLetter(item)) return SetField(letter, text);
    ui::Control* control = ItemControl(item);
    if (control && !dynamic_cast<ui::RadioButton*>(control)) control->SetText(text);
}

bool MainWindow::ItemChecked(FormItem button) const {
    auto* radio = dynamic_cast<ui::RadioButton*>(ItemControl(button));
    return radio && radio->Checked();
}

void MainWindow::SetItemChecked(FormItem button, bool checked) {
    if (auto* radio = dynamic_cast<ui::RadioButton*>(ItemControl(button))) radio->SetChecked(checked);
}

ui::DropDown* MainWindow::FieldDropDown(char letter) const {
    return dynamic_cast<ui::DropDown*>(FieldControl(letter));
}

ui::TextBlock* MainWindow::TextBlock(char letter) const {
    return IsTextBlock(letter) ? dynamic_cast<ui::TextBlock*>(FieldControl(letter)) : nullptr;
}

ui::Frame* MainWindow::TextBlockFrame(char letter) const {
    // Each text block is made inside its own frame.
    ui::TextBlock* block = TextBlock(letter);
    return block ? dynamic_cast<ui::Frame*>(block->Parent()) : nullptr;
}

void MainWindow::SelectPage(int page) {
    tabs->Select(page);
}

std::unique_ptr<MainWindow> CreateMainWindow(OemFontSource oemFont) {
    auto window = std::make_unique<MainWindow>(oemFont);
    if (!window->BuildWindow()) return nullptr;
    MarkStep("fonts and window");
    window->BuildMenu();
    // The dialog is a member of the window object and goes with it.
    if (!window->BuildControls()) return nullptr;
    window->BindEvents();
    MarkStep("menu and controls");
    window->fileDialog.SetOwner(window->Window().Handle());
    window->Window().CenterOnScreen();
    window->Window().MakeNotResizable();
    RunCreationStep(*window);
    return window;
}

}  // namespace glyphwright
