#pragma once
// The values of the form that the configuration and project files fill: the release fields
// by placeholder letter, then the packaging options of the Package group.

#include "model/placeholder_table.h"

namespace glyphwright {

enum class FormItem : int {
    FieldA = 0,  // Name; FieldA + n is the field of letter 'A' + n, up to the last placeholder's
    FieldLast = static_cast<int>(kPlaceholderCount) - 1,
    Delimiter,
    PackageTeam,
    Spacer,
    WinRarButton,
    SevenZipButton,
    WinRarOptions,
    SevenZipOptions,
};

constexpr FormItem ReleaseField(char letter) {
    return static_cast<FormItem>(static_cast<int>(FormItem::FieldA) + (letter - kFirstPlaceholder));
}

// The letter of a release field, or 0 for a packaging option.
constexpr char FieldLetter(FormItem item) {
    const int index = static_cast<int>(item);
    return index <= static_cast<int>(FormItem::FieldLast) ? static_cast<char>(kFirstPlaceholder + index) : 0;
}

}  // namespace glyphwright
