// The controls of the five tab pages as data: one table per page, in creation order, built
// by one loop and laid out again by another when the display's scale changes. Creation order
// is also the order of the focus keys. Every figure is one of a 96-DPI display (RowPlacer).

#include <string>

#include "app/control_ids.h"
#include "app/information_text.h"
#include "app/main_window.h"
#include "app/status_caption_text.h"
#include "model/release_record.h"

namespace glyphwright {

namespace {

enum class Kind {
    Label,
    WrappingLabel,
    Frame,
    TextField,
    DropDown,
    DatePicker,
    TextBlock,
    View,
    ListBox,
    RadioButton,
    PaintBox,
};

enum class In {
    Page,       // the tab page itself
    LastFrame,  // the frame created last in the same table
};

enum class FontRole { Window, Lucida, Terminal };

constexpr int kWindow = COLOR_WINDOW;
constexpr int kButtonFace = COLOR_BTNFACE;
constexpr int kDefault = ui::kDefaultColor;
constexpr int kNextLabel = 0;  // labels are numbered from ids::kFirstLabel as they are made

// A control's text when it is made: as written here, or composed from a placeholder's row.
struct RowText {
    enum class Of { Written, FieldLabel, BlockFrame };
    constexpr RowText(const char* written) : text(written) {}
    constexpr RowText(Of of, char letter) : of(of), letter(letter) {}

    std::string Compose() const {
        switch (of) {
        case Of::Written: break;
        case Of::FieldLabel: return std::string(PlaceholderOf(letter).label) + " " + PlaceholderTag(letter) + " :";
        case Of::BlockFrame: return PositionCaption(TextBlockCaption(letter), 0, 0);
        }
        return text;
    }

    Of of = Of::Written;
    const char* text = "";
    char letter = 0;
};

// "Name {A} :"
constexpr RowText LabelOf(char letter) { return {RowText::Of::FieldLabel, letter}; }
// "{R} Description [ 0:0 ]", the caption the cursor position is shown in.
constexpr RowText FrameOf(char letter) { return {RowText::Of::BlockFrame, letter}; }
constexpr const char* ButtonOf(Archiver archiver) { return ArchiverOf(archiver).buttonCaption; }

struct ControlRow {
    Kind kind;
    In parent;
    ui::Align align;
    int left, top, width, height;  // for aligned rows only the height counts (top/bottom)
    FontRole font;
    int background;
    RowText text;
    int id;
    DWORD style = 0;
    bool enabled = true;
};

using ui::Align;
using namespace ids;

constexpr ControlRow kReleaseInformationPage[] = {
    {Kind::Frame, In::Page, Align::Top, 0, 0, 0, 109, FontRole::Window, kDefault, kApplicationGroup.caption, kFrameApplication},
    {Kind::Label, In::LastFrame, Align::None, 266, 60, 75, 14, FontRole::Window, kDefault, LabelOf('D'), kNextLabel},
    {Kind::Label, In::LastFrame, Align::None, 266, 19, 75, 14, FontRole::Window, kDefault, LabelOf('B'), kNextLabel},
    {Kind::Label, In::LastFrame, Align::None, 8, 19, 57, 14, FontRole::Window, kDefault, LabelOf('A'), kNextLabel},
    {Kind::Label, In::LastFrame, Align::None, 8, 60, 49, 14, FontRole::Window, kDefault, LabelOf('C'), kNextLabel},
    {Kind::Label, In::LastFrame, Align::None, 344, 60, 93, 14, FontRole::Window, kDefault, LabelOf('E'), kNextLabel},
    {Kind::TextField, In::LastFrame, Align::None, 8, 35, 250, 20, FontRole::Lucida, kWindow, "", FieldId('A')},
    {Kind::TextField, In::LastFrame, Align::None, 266, 35, 238, 20, FontRole::Lucida, kWindow, "", FieldId('B')},
    {Kind::TextField, In::LastFrame, Align::None, 8, 76, 250, 20, FontRole::Lucida, kWindow, "", FieldId('C')},
    {Kind::DropDown, In::LastFrame, Align::None, 266, 76, 70, 20, FontRole::Lucida, kWindow, "", FieldId('D')},
    {Kind::DropDown, In::LastFrame, Align::None, 344, 76, 160, 20, FontRole::Lucida, kWindow, "", FieldId('E')},

    {Kind::Frame, In::Page, Align::Top, 0, 0, 0, 105, FontRole::Window, kDefault, kTeamGroup.caption, kFrameTeamInfo},
    {Kind::Label, In::LastFrame, Align::None, 8, 59, 57, 14, FontRole::Window, kDefault, LabelOf('I'), kNextLabel},
    {Kind::Label, In::LastFrame, Align::None, 344, 19, 65, 14, FontRole::Window, kDefault, LabelOf('H'), kNextLabel},
    {Kind::Label, In::LastFrame, Align::None, 8, 19, 85, 14, FontRole::Window, kDefault, LabelOf('F'), kNextLabel},
    {Kind::Label, In::LastFrame, Align::None, 344, 59, 73, 14, FontRole::Window, kDefault, LabelOf('K'), kNextLabel},
    {Kind::Label, In::LastFrame, Align::None, 176, 19, 69, 14, FontRole::Window, kDefault, LabelOf('G'), kNextLabel},
    {Kind::Label, In::LastFrame, Align::None, 176, 59, 61, 14, FontRole::Window, kDefault, LabelOf('J'), kNextLabel},
    {Kind::DropDown, In::LastFrame, Align::None, 8, 35, 160, 20, FontRole::Lucida, kWindow, "", FieldId('F')},
    {Kind::DropDown, In::LastFrame, Align::None, 176, 35, 160, 20, FontRole::Lucida, kWindow, "", FieldId('G')},
    {Kind::DropDown, In::LastFrame, Align::None, 344, 35, 160, 20, FontRole::Lucida, kWindow, "", FieldId('H')},
    {Kind::DropDown, In::LastFrame, Align::None, 8, 75, 160, 20, FontRole::Lucida, kWindow, "", FieldId('I')},
    {Kind::DropDown, In::LastFrame, Align::None, 176, 75, 160, 20, FontRole::Lucida, kWindow, "", FieldId('J')},
    {Kind::DropDown, In::LastFrame, Align::None, 344, 75, 160, 20, FontRole::Lucida, kWindow, "", FieldId('K')},

    {Kind::Frame, In::Page, Align::Top, 0, 0, 0, 109, FontRole::Window, kDefault, kReleaseGroup.caption, kFrameReleaseInfo},
    {Kind::Label, In::LastFrame, Align::None, 344, 19, 93, 14, FontRole::Window, kDefault, LabelOf('N'), kNextLabel},
    {Kind::Label, In::LastFrame, Align::None, 176, 59, 113, 14, FontRole::Window, kDefault, LabelOf('P'), kNextLabel},
    {Kind::Label, In::LastFrame, Align::None, 176, 19, 77, 14, FontRole::Window, kDefault, LabelOf('M'), kNextLabel},
    {Kind::Label, In::LastFrame, Align::None, 8, 59, 89, 14, FontRole::Window, kDefault, LabelOf('O'), kNextLabel},
    {Kind::Label, In::LastFrame, Align::None, 8, 19, 89, 14, FontRole::Window, kDefault, LabelOf('L'), kNextLabel},
    {Kind::DropDown, In::LastFrame, Align::None, 8, 35, 160, 20, FontRole::Lucida, kWindow, "", FieldId('L')},
    {Kind::DropDown, In::LastFrame, Align::None, 176, 35, 160, 20, FontRole::Lucida, kWindow, "", FieldId('M')},
    {Kind::DatePicker, In::LastFrame, Align::None, 344, 35, 160, 20, FontRole::Lucida, kDefault, "", FieldId('N')},
    {Kind::DropDown, In::LastFrame, Align::None, 8, 75, 160, 20, FontRole::Lucida, kWindow, "", FieldId('O')},
    {Kind::DropDown, In::LastFrame, Align::None, 176, 75, 160, 20, FontRole::Lucida, kWindow, "", FieldId('P')},

    {Kind::Frame, In::Page, Align::Top, 0, 0, 0, 117, FontRole::Window, kDefault, kPackageGroup.caption, kFramePackage},
    {Kind::Label, In::LastFrame, Align::None, 8, 20, 76, 14, FontRole::Window, kDefault, LabelOf('Q'), kNextLabel},
    {Kind::WrappingLabel, In::LastFrame, Align::None, 374, 75, 99, 30, FontRole::Window, kDefault, "instead  of  spaces\r\nin release filename", kNextLabel},
    {Kind::TextField, In::LastFrame, Align::None, 8, 37, 328, 20, FontRole::Lucida, kWindow, "", FieldId('Q')},
    {Kind::TextField, In::LastFrame, Align::None, 345, 37, 20, 20, FontRole::Window, kWindow, kDefaultDelimiter, kDelimiter, ES_CENTER},
    {Kind::DropDown, In::LastFrame, Align::None, 374, 36, 130, 22, FontRole::Lucida, kWindow, "", kPackageTeam},
    {Kind::TextField, In::LastFrame, Align::None, 345, 78, 20, 20, FontRole::Window, kWindow, kDefaultSpacer, kSpacer, ES_CENTER},
    {Kind::RadioButton, In::LastFrame, Align::None, 8, 66, 0, 0, FontRole::Window, kDefault, ButtonOf(Archiver::WinRar), ArchiverButtonId(Archiver::WinRar), 0, false},
    {Kind::RadioButton, In::LastFrame, Align::None, 8, 90, 0, 0, FontRole::Window, kDefault, ButtonOf(Archiver::SevenZip), ArchiverButtonId(Archiver::SevenZip), 0, false},
    {Kind::TextField, In::LastFrame, Align::None, 87, 65, 249, 20, FontRole::Lucida, kWindow, "", ArchiverOptionsId(Archiver::WinRar)},
    {Kind::TextField, In::LastFrame, Align::None, 87, 90, 249, 20, FontRole::Lucida, kWindow, "", ArchiverOptionsId(Archiver::SevenZip)},
};

constexpr ControlRow kTeamInformationPage[] = {
    {Kind::Label, In::Page, Align::None, 267, 423, 74, 14, FontRole::Window, kDefault, "DIZ template :", kNextLabel},
    {Kind::Label, In::Page, Align::None, 4, 423, 81, 14, FontRole::Window, kDefault, "NFO template :", kNextLabel},
    {Kind::Frame, In::Page, Align::Top, 0, 0, 0, 100, FontRole::Window, kDefault, FrameOf('R'), TextBlockFrameId('R')},
    // Typed characters pass through the OEM code page, so only what a template can show is typed.
    {Kind::TextBlock, In::LastFrame, Align::Fill, 0, 0, 0, 0, FontRole::Lucida, kWindow, "", FieldId('R'), ES_OEMCONVERT},
    {Kind::Frame, In::Page, Align::Top, 0, 0, 0, 100, FontRole::Window, kDefault, FrameOf('S'), TextBlockFrameId('S')},
    {Kind::TextBlock, In::LastFrame, Align::Fill, 0, 0, 0, 0, FontRole::Lucida, kWindow, "", FieldId('S')},
    {Kind::Frame, In::Page, Align::Top, 0, 0, 0, 100, FontRole::Window, kDefault, FrameOf('T'), TextBlockFrameId('T')},
    {Kind::TextBlock, In::LastFrame, Align::Fill, 0, 0, 0, 0, FontRole::Lucida, kWindow, "", FieldId('T')},
    {Kind::Frame, In::Page, Align::Top, 0, 0, 0, 100, FontRole::Window, kDefault, FrameOf('U'), TextBlockFrameId('U')},
    {Kind::TextBlock, In::LastFrame, Align::Fill, 0, 0, 0, 0, FontRole::Lucida, kWindow, "", FieldId('U')},
    {Kind::ListBox, In::Page, Align::None, 86, 420, 160, 18, FontRole::Window, kWindow, "", kNfoTemplateBox},
    {Kind::ListBox, In::Page, Align::None, 351, 420, 160, 18, FontRole::Window, kWindow, "", kDizTemplateBox},
};

constexpr ControlRow kPreviewNfoPage[] = {
    {Kind::Frame, In::Page, Align::Fill, 0, 0, 0, 0, FontRole::Window, kDefault, "", kFrameNfoPreview},
    {Kind::View, In::LastFrame, Align::Fill, 0, 0, 0, 0, FontRole::Terminal, kWindow, "", kNfoPreview},
};

constexpr ControlRow kPreviewDizPage[] = {
    {Kind::Frame, In::Page, Align::Fill, 0, 0, 0, 0, FontRole::Window, kDefault, "", kFrameDizPreview},
    {Kind::View, In::LastFrame, Align::Fill, 0, 0, 0, 0, FontRole::Terminal, kWindow, "", kDizPreview},
};

constexpr ControlRow kAboutPage[] = {
    {Kind::Frame, In::Page, Align::Bottom, 0, 0, 0, 257, FontRole::Window, kDefault, "", kFrameAboutText},
    {Kind::View, In::LastFrame, Align::Fill, 0, 0, 0, 0, FontRole::Terminal, kButtonFace, "", kInformationView},
    {Kind::Frame, In::Page, Align::Top, 0, 0, 0, 185, FontRole::Window, kDefault, "", kFrameAboutLogo},
    {Kind::PaintBox, In::LastFrame, Align::None, 208, 79, 72, 64, FontRole::Window, kDefault, "", kLogoBox},
};

struct PageTable {
    const char* caption;
    const ControlRow* rows;
    std::size_t count;
};

template <std::size_t N>
constexpr PageTable Page(const char* caption, const ControlRow (&rows)[N]) {
    return {caption, rows, N};
}

const PageTable kPages[kPageCount] = {
    Page("Release information", kReleaseInformationPage),
    Page("Team information", kTeamInformationPage),
    Page("Preview NFO", kPreviewNfoPage),
    Page("Preview DIZ", kPreviewDizPage),
    Page("About", kAboutPage),
};

// Height of the tab control; the rest of the client area below it shows the background.
constexpr int kTabControlHeight = 478;

// Where the rows of one page go at a display scale, in creation order. A row at its own bounds
// has its edges scaled; an aligned row keeps its 96-DPI distance from the edge it stacks on,
// and its height is taken between the scaled edges, so that frames that meet at 96 DPI meet at
// any scale (ui::ScaleLength).
class RowPlacer {
public:
    explicit RowPlacer(int dpi) : dpi_(dpi) {}

    ui::Rect Next(const ControlRow& row) {
        Offsets& offsets = row.parent == In::Page ? page_ : frame_;
        ui::Rect bounds = ui::ScaleRect({row.left, row.top, row.width, row.height}, dpi_);
        if (row.align == Align::Top) {
            bounds.height = ui::ScaleLength(offsets.top, row.height, dpi_);
            offsets.top += row.height;
        } else if (row.align == Align::Bottom) {
            bounds.height = ui::ScaleLength(offsets.bottom, row.height, dpi_);
            offsets.bottom += row.height;
        }
        if (row.kind == Kind::Frame) frame_ = {};  // the rows after it stack inside it
        return bounds;
    }

private:
    struct Offsets {
        int top = 0;
        int bottom = 0;
    };
    int dpi_;
    Offsets page_, frame_;
};

}  // namespace

bool MainWindow::BuildControls() {
    ui::CreateArgs tabArgs;
    tabArgs.parent = window_.get();
    tabArgs.id = kTabControl;
    tabArgs.align = Align::Top;
    tabArgs.bounds.height = ui::Scale(kTabControlHeight, dpi_);
    tabs = ui::Control::Create<ui::TabControl>(tabArgs);
    if (!tabs) return false;
    for (int page = 0; page < kPageCount; ++page) {
        pages[static_cast<std::size_t>(page)] = tabs->AddPage(kPages[page].caption, kPage0 + page);
        if (!pages[static_cast<std::size_t>(page)]) return false;
    }

    const ui::Font* fonts[] = {windowFont_.get(), lucidaFont_.get(), terminalFont_.get()};
    int nextLabelId = kFirstLabel;
    for (int page = 0; page < kPageCount; ++page) {
        ui::Control* frame = nullptr;
        RowPlacer placer(dpi_);
        const PageTable& table = kPages[page];
        for (std::size_t i = 0; i < table.count; ++i) {
            const ControlRow& row = table.rows[i];
            ui::AnyControlArgs args;
            args.parent = row.parent == In::Page ? pages[static_cast<std::size_t>(page)] : frame;
            args.id = row.id == kNextLabel ? nextLabelId++ : row.id;
            args.bounds = placer.Next(row);
            args.align = row.align;
            args.text = row.text.Compose();
            args.font = fonts[static_cast<int>(row.font)];
            args.background = row.background;
            args.style = row.style;
            args.enabled = row.enabled;
            args.wrap = row.kind == Kind::WrappingLabel;

            ui::Control* made = nullptr;
            switch (row.kind) {
            case Kind::Label:
            case Kind::WrappingLabel: made = ui::Control::Create<ui::Label>(args); break;
            case Kind::Frame: made = frame = ui::Control::Create<ui::Frame>(args); break;
            case Kind::TextField: made = ui::Control::Create<ui::TextField>(args); break;
            case Kind::DropDown: made = ui::Control::Create<ui::DropDown>(args); break;
            case Kind::DatePicker: made = ui::Control::Create<ui::DatePicker>(args); break;
            case Kind::TextBlock: made = ui::Control::Create<ui::TextBlock>(args); break;
            case Kind::View: made = ui::Control::Create<ui::View>(args); break;
            case Kind::ListBox: made = ui::Control::Create<ui::ListBox>(args); break;
            case Kind::RadioButton: made = ui::Control::Create<ui::RadioButton>(args); break;
            case Kind::PaintBox: made = ui::Control::Create<ui::PaintBox>(args); break;
            }
            // The rows after it may be its children: stop at the first control that is missing.
            if (!made) return false;
            byId_[args.id] = made;
        }
    }
    RememberControls();
    FitOemFontToViews();
    informationView->SetText(std::string(kInformationText, kInformationTextLength));
    return true;
}

void MainWindow::LayOutControls() {
    tabs->Place({0, 0, 0, ui::Scale(kTabControlHeight, dpi_)}, Align::Top);
    int nextLabelId = kFirstLabel;
    for (const PageTable& table : kPages) {
        RowPlacer placer(dpi_);
        for (std::size_t i = 0; i < table.count; ++i) {
            const ControlRow& row = table.rows[i];
            const ui::Rect bounds = placer.Next(row);
            ui::Control* control = ControlById(row.id == kNextLabel ? nextLabelId++ : row.id);
            if (control) control->Place(bounds, row.align);
        }
    }
}

}  // namespace glyphwright
