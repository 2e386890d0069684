#pragma once
// The main window object: owns the window, every control, the fonts, the open/save dialog
// and the logo bitmap, and keeps a typed reference to each control the program uses. Every
// command and event handler receives it. The release record lives in its controls only.

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/bundled_font.h"
#include "app/logo.h"
#include "app/window_state.h"
#include "model/form_item.h"
#include "ui/date_picker.h"
#include "ui/drop_down.h"
#include "ui/edit.h"
#include "ui/file_dialog.h"
#include "ui/font.h"
#include "ui/frame.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/paint_box.h"
#include "ui/radio_button.h"
#include "ui/tab_control.h"
#include "ui/window.h"

namespace glyphwright {

// The tab pages, numbered as SelectPage takes them.
enum PageNumber : int {
    kPageReleaseInformation = 0,
    kPageTeamInformation = 1,
    kPagePreviewNfo = 2,
    kPagePreviewDiz = 3,
    kPageAbout = 4,
    kPageCount = 5,
};

class MainWindow {
public:
    explicit MainWindow(OemFontSource oemFont);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    ui::Window& Window() { return *window_; }

    // --- The release record, by placeholder letter (model/placeholder_table.h) --------------
    // The text of the field's control: a text field's, drop-down's or text block's whole text;
    // for {N} the date exactly as the picker displays it.
    std::string Field(char letter) const;
    // Sets the text of the field's control. Only text fields ({A}, {B}, {C}, {Q}) raise their
    // change event from this. {N} is not set by text: use releaseDate->SetDate.
    void SetField(char letter, const std::string& text);
    ui::Control* FieldControl(char letter) const;
    // The drop-down of {D}, {E}, {F}..{M}, {O}, {P}; nullptr for the other letters.
    ui::DropDown* FieldDropDown(char letter) const;
    // The text block of {R}..{U} and the frame whose caption carries its position.
    ui::TextBlock* TextBlock(char letter) const;
    ui::Frame* TextBlockFrame(char letter) const;

    // --- The same by form item (model/form_item.h): fields and packaging options -----------
    ui::Control* ItemControl(FormItem item) const;
    // A button item reads as empty; {N} as the picker displays it.
    std::string ItemText(FormItem item) const;
    void SetItemText(FormItem item, const std::string& text);
    // The archiver buttons: checked state; setting it touches only that button, enabled or not.
    bool ItemChecked(FormItem button) const;
    void SetItemChecked(FormItem button, bool checked);

    // Makes tab page n current (hides the old page, shows page n and raises its shown event);
    // selecting the current page changes nothing.
    void SelectPage(int page);

    // Any control of the window by its id (control_ids.h), or nullptr.
    ui::Control* ControlById(int id) const;

    // --- Controls the commands use ---------------------------------------------------------
    ui::TabControl* tabs = nullptr;
    std::array<ui::TabPage*, kPageCount> pages{};
    ui::DatePicker* releaseDate = nullptr;  // {N}
    ui::TextField* fileName = nullptr;      // {Q}
    ui::TextField* delimiter = nullptr;
    ui::DropDown* packageTeam = nullptr;
    ui::TextField* spacer = nullptr;
    ui::ListBox* nfoTemplateBox = nullptr;
    ui::ListBox* dizTemplateBox = nullptr;
    ui::View* nfoPreview = nullptr;
    ui::Frame* nfoPreviewFrame = nullptr;
    ui::View* dizPreview = nullptr;
    ui::Frame* dizPreviewFrame = nullptr;
    ui::View* informationView = nullptr;
    ui::Frame* logoFrame = nullptr;
    ui::PaintBox* logoBox = nullptr;

    // The one open/save dialog, owned by the window.
    ui::FileDialog fileDialog;
    // The logo drawn on the "About" page; replaced at each showing of that page.
    LogoBitmap logo;
    // Everything else the program keeps between commands.
    WindowState state;

    // Creation: fonts, window, menu, controls (see CreateMainWindow). False when a window
    // could not be created; the failure has been written as debug output.
    bool BuildWindow();
    void BuildMenu();
    bool BuildControls();
    void BindEvents();

    // The window moved to a display of another scale: fonts, size and every control's place
    // for the new one, the suggested rectangle taken.
    void ChangeDpi(int dpi, const RECT& suggested);

private:
    void RememberControls();
    // The fonts of the window's three roles at the display's scale. The first time they are
    // made; afterwards the new ones go into the font objects the controls hold (Font::Swap),
    // and the old ones come back, to be deleted once every control has the new ones.
    std::vector<std::unique_ptr<ui::Font>> MakeFonts();
    // With a bundled OEM font: its size that suits the views as now laid out, set on them; the
    // size they drew with until then comes back, to be deleted. Nothing otherwise.
    std::unique_ptr<ui::Font> FitOemFontToViews();
    // Every control at its place for the display's scale, from the same tables it was built from.
    void LayOutControls();

    int dpi_ = ui::kBaseDpi;
    OemFontSource oemFont_;

    // Declared before the window so that they outlive every control that uses them.
    std::unique_ptr<ui::Font> windowFont_;
    std::unique_ptr<ui::Font> lucidaFont_;
    std::unique_ptr<ui::Font> terminalFont_;
    std::unique_ptr<ui::Window> window_;
    std::map<int, ui::Control*> byId_;
    std::array<ui::Control*, kPlaceholderCount> fields_{};
};

// Builds the main window hidden, binds every event and runs the creation step. nullptr when
// the window or one of its controls could not be created: none of them is ever used without
// its handle.
std::unique_ptr<MainWindow> CreateMainWindow(OemFontSource oemFont);

}  // namespace glyphwright
