// The configuration file beside the executable: lists, greetings, install texts, options.

#include <algorithm>
#include <vector>

#include "app/commands.h"
#include "app/control_ids.h"
#include "app/main_window.h"
#include "app/startup_steps.h"
#include "model/configuration.h"
#include "platform/files.h"

namespace glyphwright {

namespace {

// The groups whose drop-downs start on their first entry, in the order they are visited; the
// Package group's Team follows them.
constexpr int kGroupsWithFirstEntries[] = {ids::kFrameApplication, ids::kFrameTeamInfo,
                                           ids::kFrameReleaseInfo};

class WindowConfigurationForm : public ConfigurationForm {
public:
    explicit WindowConfigurationForm(MainWindow& window) : window_(window) {}
    ~WindowConfigurationForm() override {
        for (ui::DropDown* box : filled_) box->SetRedraw(true);
    }

    void AppendListEntry(FormItem dropDown, const std::string& entry) override {
        auto* box = dynamic_cast<ui::DropDown*>(window_.ItemControl(dropDown));
        if (!box) return;
        // A list that updates its scroll bar after every entry takes seconds for a few
        // thousand entries under Wine; it is drawn once, when the configuration is read.
        if (std::find(filled_.begin(), filled_.end(), box) == filled_.end()) {
            box->SetRedraw(false);
            filled_.push_back(box);
        }
        box->AddItem(entry);
    }

    void SetBlockText(FormItem block, const std::string& text) override {
        window_.SetItemText(block, text);
    }

private:
    MainWindow& window_;
    std::vector<ui::DropDown*> filled_;
};

// CB_SETCURSEL raises no change notification, so no change handler (ApplyInstallInfo above
// all) runs for an entry chosen here.
void MakeFirstEntryCurrent(ui::DropDown& box) {
    if (box.Count() > 0) box.SetCurrent(0);
}

void MakeFirstEntriesCurrentIn(const ui::Control& group) {
    for (HWND child = GetWindow(group.Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (auto* box = dynamic_cast<ui::DropDown*>(ui::Control::FromHandle(child))) MakeFirstEntryCurrent(*box);
    }
}

}  // namespace

void LoadConfigurationIfPresent(MainWindow& window) {
    const std::string path = ProgramConfigurationPath();
    if (!platform::FileExists(path)) return;
    WindowConfigurationForm form(window);
    LoadConfiguration(path, form, window.state.heldArchiverOptions);
    for (int group : kGroupsWithFirstEntries) {
        if (const ui::Control* frame = window.ControlById(group)) MakeFirstEntriesCurrentIn(*frame);
    }
    MakeFirstEntryCurrent(*window.packageTeam);
}

void ApplyArchiverOptionTexts(MainWindow& window) {
    for (const ArchiverRow& row : kArchivers) {
        window.SetItemText(ArchiverOptionsItem(row.archiver), window.state.heldArchiverOptions[row.archiver]);
    }
}

void ApplyInstallInfo(MainWindow& window) {
    window.SetField(kInstallInfoLetter,
                    ReadInstallInfo(ProgramConfigurationPath(), window.Field(kReleaseTypeLetter)));
}

}  // namespace glyphwright
