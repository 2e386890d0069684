#pragma once
// The values of the form that the configuration and project files fill: the release fields
// by placeholder letter, then the packaging options of the Package group, then each archiver's
// button and options field. All of them follow from the two tables.

#include <cstddef>

#include "model/archiver_table.h"
#include "model/placeholder_table.h"

namespace glyphwright {

enum class FormItem : int {
    FieldA = 0,  // the first placeholder's; the fields follow the table's rows
    FieldLast = static_cast<int>(kPlaceholderCount) - 1,
    Delimiter,
    PackageTeam,
    Spacer,
    ArchiverButton0,  // the first archiver's; one per row of the archiver table
    ArchiverOptions0 = ArchiverButton0 + static_cast<int>(kArchiverCount),
    Count = ArchiverOptions0 + static_cast<int>(kArchiverCount),
};

constexpr FormItem ReleaseField(char letter) {
    const auto row = &PlaceholderOf(letter) - kPlaceholders;
    return static_cast<FormItem>(static_cast<int>(FormItem::FieldA) + static_cast<int>(row));
}

// The letter of a release field, or 0 for any other item.
constexpr char FieldLetter(FormItem item) {
    const int index = static_cast<int>(item) - static_cast<int>(FormItem::FieldA);
    return index >= 0 && index <= static_cast<int>(FormItem::FieldLast)
               ? kPlaceholders[static_cast<std::size_t>(index)].letter
               : 0;
}

constexpr FormItem ArchiverButtonItem(Archiver archiver) {
    return static_cast<FormItem>(static_cast<int>(FormItem::ArchiverButton0) + static_cast<int>(archiver));
}

constexpr FormItem ArchiverOptionsItem(Archiver archiver) {
    return static_cast<FormItem>(static_cast<int>(FormItem::ArchiverOptions0) + static_cast<int>(archiver));
}

}  // namespace glyphwright
