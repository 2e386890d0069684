#pragma once
// The main window seen as the form a project file is written from and read into.

#include "model/project_file.h"

namespace glyphwright {

class MainWindow;

class WindowProjectForm : public ProjectForm {
public:
    explicit WindowProjectForm(MainWindow& window) : window_(window) {}

    std::string GetText(FormItem item) const override;
    void SetText(FormItem item, const std::string& text) override;
    std::string GetDateText() const override;
    void SetDate(const DateTimeValue& date) override;
    bool GetButton(FormItem button) const override;
    void SetButton(FormItem button, bool selected) override;
    void UpdateFileName() override;

private:
    MainWindow& window_;
};

}  // namespace glyphwright
