// The GUI driver finds controls by number: ids computed from the tables keep the numbers they
// have always had.

#include "app/control_ids.h"

#include <gtest/gtest.h>

namespace glyphwright {
namespace {

TEST(ControlIds, KeepTheirNumbers) {
    const struct {
        int id;
        int number;
    } cases[] = {
        {ids::FieldId('A'), 1000},
        {ids::FieldId('U'), 1020},
        {ids::ArchiverButtonId(Archiver::WinRar), 1033},
        {ids::ArchiverButtonId(Archiver::SevenZip), 1034},
        {ids::ArchiverOptionsId(Archiver::WinRar), 1035},
        {ids::ArchiverOptionsId(Archiver::SevenZip), 1036},
        {ids::TextBlockFrameId('R'), 1104},
        {ids::TextBlockFrameId('U'), 1107},
    };
    for (const auto& c : cases) EXPECT_EQ(c.id, c.number);
}

}  // namespace
}  // namespace glyphwright
