#include "app/documents.h"

#include "app/main_window.h"

namespace glyphwright {

namespace {
Document nfoDocument;
Document dizDocument;
FieldTable fieldValues;
}  // namespace

Document& NfoDocument() {
    return nfoDocument;
}

Document& DizDocument() {
    return dizDocument;
}

const FieldTable& FieldValues() {
    return fieldValues;
}

void CollectFieldValues(const MainWindow& window) {
    const std::size_t last = fieldValues.size() - 1;
    for (std::size_t i = 0; i < last; ++i) fieldValues[i] = window.Field(static_cast<char>('A' + i));
    fieldValues[last] = window.Field('Q') + window.delimiter->Text() + window.packageTeam->Text();
}

}  // namespace glyphwright
