#pragma once
// The values of the form that the configuration and project files fill: the release fields
// {A}..{U} by letter, then the packaging options of the Package group.

namespace glyphwright {

enum class FormItem : int {
    FieldA = 0,  // Name; FieldA + n is the field of letter 'A' + n, up to FieldU
    FieldU = 20,
    Delimiter,
    PackageTeam,
    Spacer,
    WinRarButton,
    SevenZipButton,
    WinRarOptions,
    SevenZipOptions,
};

constexpr FormItem ReleaseField(char letter) {
    return static_cast<FormItem>(static_cast<int>(FormItem::FieldA) + (letter - 'A'));
}

// The letter of a release field, or 0 for a packaging option.
constexpr char FieldLetter(FormItem item) {
    const int index = static_cast<int>(item);
    return index <= static_cast<int>(FormItem::FieldU) ? static_cast<char>('A' + index) : 0;
}

}  // namespace glyphwright
