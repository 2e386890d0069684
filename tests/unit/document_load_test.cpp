// Loading template files: a failed load leaves the document as it was.

#include <gtest/gtest.h>

#include "model/document_load.h"
#include "model/template_catalogue.h"
#include "platform/files.h"
#include "temp_folder.h"

namespace glyphwright {
namespace {

using glyphwright::testing::TempFolder;

TEST(LoadDocument, ReplacesTheLinesOnlyWhenTheFileOpens) {
    TempFolder folder;
    folder.Write("t.nfo", "one\r\ntwo\rthree\r\n");
    Document document = {"previous rendering"};
    EXPECT_FALSE(LoadDocument(document, folder.File("missing.nfo")));
    EXPECT_FALSE(LoadDocument(document, folder.Path()));
    EXPECT_EQ(document, Document{"previous rendering"});
    EXPECT_TRUE(LoadDocument(document, folder.File("t.nfo")));
    EXPECT_EQ(document, (Document{"one", "two", "three"}));
    folder.Write("empty.nfo", "");
    EXPECT_TRUE(LoadDocument(document, folder.File("empty.nfo")));
    EXPECT_TRUE(document.empty());
}

TEST(ReadTemplateText, GivesTheBytesOrNothing) {
    TempFolder folder;
    folder.Write("raw.diz", std::string("\xC9\xCD\0{A}\n", 6));
    EXPECT_EQ(ReadTemplateText(folder.File("raw.diz")), std::string("\xC9\xCD\0{A}\n", 6));
    EXPECT_EQ(ReadTemplateText(folder.File("gone.diz")), "");
}

TEST(TemplatePath, SitsInTheTemplatesFolder) {
    const std::string start = std::string("S") + platform::kPathSeparator;
    EXPECT_EQ(TemplateFolder(start), start + "Templates" + platform::kPathSeparator);
    EXPECT_EQ(TemplatePath(start, "a.nfo"), TemplateFolder(start) + "a.nfo");
    // An empty entry names the folder itself, which no load can open.
    EXPECT_EQ(TemplatePath(start, ""), TemplateFolder(start));
}

}  // namespace
}  // namespace glyphwright
