#include "ui/tab_control.h"

#include <commctrl.h>

#include "ui/common_controls.h"

namespace glyphwright::ui {

void TabPage::Build(const CreateArgs& args) {
    CreateHandle(PlainWindowClass(), WS_CLIPCHILDREN | WS_CLIPSIBLINGS | args.style,
                 0, args);
}

void TabControl::Build(const CreateArgs& args) {
    RegisterCommonControls(0xFF);
    CreateHandle(WC_TABCONTROLA,
                 TCS_TABS | TCS_FOCUSNEVER | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | args.style, 0,
                 args);
}

Rect TabControl::DisplayArea() const {
    RECT area{};
    GetClientRect(Handle(), &area);
    SendMessageA(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    return {area.left, area.top, area.right - area.left, area.bottom - area.top};
}

TabPage* TabControl::AddPage(const std::string& caption, int pageId) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(caption.c_str());
    const int index = PageCount();
    SendMessageA(Handle(), TCM_INSERTITEMA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));

    CreateArgs page;
    page.parent = this;
    page.id = pageId;
    page.visible = false;
    page.bounds = DisplayArea();
    TabPage* made = Control::Create<TabPage>(page);
    if (!made) return nullptr;
    pages_.push_back(made);
    // A new tab can change the height of the tab row; keep every page on the display area.
    for (TabPage* each : pages_) each->SetBounds(DisplayArea());
    if (current_ < 0) ShowPage(0);
    return pages_.back();
}

void TabControl::Place(const Rect& bounds, Align align) {
    Control::Place(bounds, align);
    for (TabPage* page : pages_) page->Place(DisplayArea(), Align::None);
}

TabPage* TabControl::Page(int index) const {
    if (index < 0 || index >= PageCount()) return nullptr;
    return pages_[static_cast<std::size_t>(index)];
}

void TabControl::Select(int index) {
    if (index == current_ || !Page(index)) return;
    SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    ShowPage(index);
}

void TabControl::ShowPage(int index) {
    TabPage* old = Page(current_);
    HWND focus = GetFocus();
    const bool focusOnOld = old && focus && IsChild(old->Handle(), focus);
    current_ = index;
    if (old) old->SetVisible(false);
    Page(index)->SetVisible(true);
    // Hiding a page leaves the focus where it was: keys would go on editing a control that
    // is no longer shown.
    if (focusOnOld) Root()->FocusFirstIn(*Page(index));
}

// The tab control tells its parent, the main window, about a click on a tab; the window
// hands the notification back here.
bool TabControl::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.code != TCN_SELCHANGE) return false;
    int selected = static_cast<int>(SendMessageA(Handle(), TCM_GETCURSEL, 0, 0));
    if (selected != current_ && Page(selected)) ShowPage(selected);
    result = 0;
    return true;
}

}  // namespace glyphwright::ui
