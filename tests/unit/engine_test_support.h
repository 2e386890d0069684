#pragma once
// Helpers shared by the rendering engine's unit tests.

#include <initializer_list>
#include <string>
#include <utility>

#include "render/substitution.h"

namespace glyphwright::testing {

// Expectations about non-ASCII bytes are written for ANSI 1252 / OEM 437; on a Windows system set
// to other code pages the platform rightly maps differently. Defined apart so that test files
// never see <windows.h> and its macros.
bool UsesWesternCodePages();

// A value table with the given letters set and every other entry empty: each value goes where
// the engine's tag of that letter stands.
inline FieldTable Fields(std::initializer_list<std::pair<char, std::string>> entries) {
    FieldTable values;
    for (const auto& [letter, value] : entries) {
        for (std::size_t k = 0; k < PlaceholderTags.size(); ++k) {
            if (PlaceholderTags[k][1] == letter) values[k] = value;
        }
    }
    return values;
}

}  // namespace glyphwright::testing
