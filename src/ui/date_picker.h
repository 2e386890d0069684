#pragma once
// A date-only picker in the user's short date format with a drop-down calendar. It shows
// today's date when created.

#include <string>

#include "ui/control.h"

namespace glyphwright::ui {

class DatePicker : public Control {
public:
    void Build(const CreateArgs& args);
    FocusKeys FocusMovement() const override { return FocusKeys::Tab; }

    // The date exactly as the picker displays it (the user's short date format).
    std::string Text() const override;
    SYSTEMTIME Date() const;
    void SetDate(const SYSTEMTIME& date);
};

}  // namespace glyphwright::ui
