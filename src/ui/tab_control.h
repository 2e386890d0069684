#pragma once
// Tabs on top with one page per tab. Each page fills the display area; only the current one
// is visible, and showing a page raises its onShown.

#include <string>
#include <vector>

#include "ui/control.h"

namespace glyphwright::ui {

class TabPage : public Control {
public:
    void Build(const CreateArgs& args);
};

class TabControl : public Control {
public:
    void Build(const CreateArgs& args);

    // Adds a tab and its page; the first page added is the current one. nullptr when the page
    // could not be created.
    TabPage* AddPage(const std::string& caption, int pageId);
    TabPage* Page(int index) const;
    int PageCount() const { return static_cast<int>(pages_.size()); }
    // Makes page n current: hides the page that was visible and shows page n. Selecting the
    // current page changes nothing.
    void Select(int index);
    // The pages follow: the height of the tab row comes with the font.
    void Place(const Rect& bounds, Align align) override;

protected:
    bool OnNotify(NMHDR& header, LRESULT& result) override;

private:
    Rect DisplayArea() const;
    void ShowPage(int index);

    std::vector<TabPage*> pages_;
    int current_ = -1;
};

}  // namespace glyphwright::ui
