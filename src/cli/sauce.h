#pragma once
// SAUCE records, which art editors append to a file: a 128-byte block starting "SAUCE00" at
// the very end, after an optional comment block ("COMNT" and 64 bytes a comment line), and
// after the DOS end-of-file byte 1A at which viewers stop reading.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace glyphwright::cli {

struct SauceRecord {
    std::size_t blockAt = 0;  // where the comment block, or the record when there is none, starts
    // The fields as CP437 bytes, their padding (blanks, NUL) cut.
    std::string title, author, group, date;
};

// The record ending the bytes, or nothing when they end otherwise.
std::optional<SauceRecord> FindSauce(std::string_view bytes);

// "title "X", author "Y", group "Z"" in UTF-8, with the date too when `withDate`; the fields
// left empty are not named, and a record with none says so.
std::string DescribeSauce(const SauceRecord& record, bool withDate);

// Where the line break starting at `at` (a CR or an LF) ends, as viewers read breaks: CR LF,
// and CR CR LF or a longer run of CR before an LF (a CR LF file converted once more), are one
// break; a CR followed by no LF is one on its own.
std::size_t LineBreakEnd(std::string_view text, std::size_t at);

// The text a viewer shows of a file: with a SAUCE record, what stands before the first 1A
// (or before the record's block when no 1A precedes it); without one, all of it.
std::string_view ViewedText(std::string_view bytes);

}  // namespace glyphwright::cli
