// Project files: one table walked in both directions, and values that come back exactly as
// they were saved.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "model/project_file.h"
#include "model/release_record.h"
#include "platform/ini_profile.h"
#include "temp_folder.h"

namespace glyphwright {
namespace {

using glyphwright::testing::TempFolder;

constexpr char kPicture[] = "dd.MM.yyyy H:mm:ss";
constexpr char kShortDate[] = "dd.MM.yyyy";

// Stands in for the main window: texts by item, a date picker showing the short date, and
// the two archiver buttons.
class FakeForm : public ProjectForm {
public:
    std::string GetText(FormItem item) const override {
        const auto found = texts.find(item);
        return found == texts.end() ? std::string() : found->second;
    }
    void SetText(FormItem item, const std::string& text) override { texts[item] = text; }
    std::string GetDateText() const override { return FormatDateText(date, kShortDate); }
    void SetDate(const DateTimeValue& value) override { date = value; }
    bool GetButton(FormItem button) const override {
        const auto found = buttons.find(button);
        return found != buttons.end() && found->second;
    }
    void SetButton(FormItem button, bool selected) override { buttons[button] = selected; }
    void UpdateFileName() override {
        texts[ReleaseField('Q')] = DeriveFileName(GetText(ReleaseField('A')), GetText(FormItem::Spacer));
    }

    std::map<FormItem, std::string> texts;
    std::map<FormItem, bool> buttons;
    DateTimeValue date{2020, 1, 2, 0, 0, 0};
};

void Save(FakeForm& form, const std::string& path) {
    TransferProject(form, path, ProjectDirection::Save, kPicture, platform::EnglishDateNames());
}
void Open(FakeForm& form, const std::string& path) {
    TransferProject(form, path, ProjectDirection::Open, kPicture, platform::EnglishDateNames());
}

FakeForm FilledForm() {
    FakeForm form;
    for (const ProjectRow& row : ProjectRows()) {
        if (row.kind == ProjectValueKind::Text) form.texts[row.item] = std::string("value of ") + row.key;
    }
    form.texts[ReleaseField('A')] = "My Fine Tool";
    form.texts[FormItem::Spacer] = ".";
    form.texts[ReleaseField('Q')] = "typed by hand";
    form.texts[ReleaseField('R')] = "Line one\r\nLine two\r\n\r\nafter a blank line";
    form.texts[ReleaseField('S')] = "";
    form.texts[ReleaseField('T')] = "single";
    form.texts[ReleaseField('U')] = "Greets";
    form.buttons[ArchiverButtonItem(Archiver::WinRar)] = true;
    form.buttons[ArchiverButtonItem(Archiver::SevenZip)] = false;
    form.date = DateTimeValue{2024, 3, 5, 0, 0, 0};
    return form;
}

TEST(ProjectRows, FollowTheFileLayout) {
    const std::vector<ProjectRow>& rows = ProjectRows();
    ASSERT_EQ(rows.size(), 28u);
    EXPECT_STREQ(rows.front().section, "APPLICATION");
    EXPECT_STREQ(rows[3].key, "Langauge");
    EXPECT_EQ(rows[16].item, ReleaseField('Q'));
    EXPECT_STREQ(rows[16].section, "RACKAGE");
    for (std::size_t i = 24; i < rows.size(); ++i) EXPECT_EQ(rows[i].kind, ProjectValueKind::TextBlock);
}

TEST(TransferProject, SavedProjectOpensAsItWas) {
    TempFolder folder;
    const std::string path = folder.File("release.gwp");
    FakeForm saved = FilledForm();
    Save(saved, path);
    // Saving derives {Q} again first, so the file holds the derived name.
    EXPECT_EQ(platform::ReadProfileString(path, "RACKAGE", "Name", ""), "My.Fine.Tool");

    FakeForm opened;
    opened.texts[ReleaseField('S')] = "will be replaced by the empty saved text";
    opened.buttons[ArchiverButtonItem(Archiver::SevenZip)] = true;
    Open(opened, path);
    EXPECT_EQ(opened.texts, saved.texts);
    EXPECT_EQ(opened.buttons, saved.buttons);
    EXPECT_EQ(opened.date, saved.date);
}

// Values that the platform's reading would change if they were written plainly.
TEST(TransferProject, BringsBackEveryValueExactly) {
    const std::vector<std::string> values = {
        "  blanks at both ends  ", "\ttabbed\t", "\"quoted\"", "'single'", "\"", "''", "\" \"",
        "x\"", "a=b", "[SECTION]", "; not a comment", std::string(10000, 'L'), "\v\f\x1a"};
    TempFolder folder;
    for (std::size_t i = 0; i < values.size(); ++i) {
        SCOPED_TRACE(::testing::PrintToString(values[i]));
        const std::string path = folder.File("value" + std::to_string(i) + ".gwp");
        FakeForm saved = FilledForm();
        saved.texts[ReleaseField('B')] = values[i];
        saved.texts[ReleaseField('R')] = values[i];
        saved.texts[ArchiverOptionsItem(Archiver::SevenZip)] = values[i];
        Save(saved, path);
        FakeForm opened;
        Open(opened, path);
        EXPECT_EQ(opened.texts[ReleaseField('B')], values[i]);
        EXPECT_EQ(opened.texts[ReleaseField('R')], values[i]);
        EXPECT_EQ(opened.texts[ArchiverOptionsItem(Archiver::SevenZip)], values[i]);
    }
}

TEST(TransferProject, TextBlocksKeepTheirLinesAndNeverSplitTheFile) {
    TempFolder folder;
    const std::string path = folder.File("blocks.gwp");
    FakeForm saved = FilledForm();
    const std::string block = std::string("ten thousand ") + std::string(10000, 'x') + "\r\nend";
    saved.texts[ReleaseField('R')] = block;
    saved.texts[ReleaseField('S')] = "lone LF\nlone CR\rCR LF\r\n[INFO]\r\nGreetings=forged";
    saved.texts[ReleaseField('T')] = "typed token {#} here";
    saved.texts[ReleaseField('C')] = "site\r\n[APPLICATION]\r\nName=forged";
    Save(saved, path);

    FakeForm opened;
    Open(opened, path);
    EXPECT_EQ(opened.texts[ReleaseField('R')], block);
    // A lone CR or LF comes back as a full line break; nothing leaks into other keys.
    EXPECT_EQ(opened.texts[ReleaseField('S')], "lone LF\r\nlone CR\r\nCR LF\r\n[INFO]\r\nGreetings=forged");
    EXPECT_EQ(opened.texts[ReleaseField('T')], "typed token \r\n here");
    EXPECT_EQ(opened.texts[ReleaseField('U')], "Greets");
    EXPECT_EQ(opened.texts[ReleaseField('A')], "My Fine Tool");
    EXPECT_EQ(opened.texts[ReleaseField('C')], "site  [APPLICATION]  Name=forged");
    EXPECT_EQ(platform::ReadProfileSectionLines(path, "APPLICATION").size(), 5u);
    EXPECT_EQ(platform::ReadProfileSectionLines(path, "INFO").size(), 4u);
}

TEST(TransferProject, MissingKeysKeepFieldsButEmptyTextBlocks) {
    TempFolder folder;
    folder.Write("partial.gwp",
                 "[APPLICATION]\r\nName=Only the name\r\n"
                 "[INFO]\r\nGreetings=Hi{#}there\r\n");
    FakeForm form = FilledForm();
    const FakeForm before = form;
    Open(form, folder.File("partial.gwp"));
    EXPECT_EQ(form.texts[ReleaseField('A')], "Only the name");
    EXPECT_EQ(form.texts[ReleaseField('B')], before.texts.at(ReleaseField('B')));
    EXPECT_EQ(form.texts[FormItem::Spacer], ".");
    EXPECT_EQ(form.texts[ReleaseField('R')], "");
    EXPECT_EQ(form.texts[ReleaseField('T')], "");
    EXPECT_EQ(form.texts[ReleaseField('U')], "Hi\r\nthere");
    EXPECT_EQ(form.buttons, before.buttons);
    EXPECT_EQ(form.date, before.date);
}

TEST(TransferProject, ButtonsAreSetIndependently) {
    struct Case {
        const char* winRar;
        const char* sevenZip;
        bool winRarSelected;
        bool sevenZipSelected;
    };
    const Case cases[] = {{"1", "1", true, true}, {"0", "1", false, true}, {"2", "0", true, false},
                          {"yes", "-1", false, true}, {"", "0x0", true, false}};
    TempFolder folder;
    int index = 0;
    for (const Case& c : cases) {
        const std::string name = "buttons" + std::to_string(index++) + ".gwp";
        folder.Write(name, std::string("[ARCHIVER]\r\nWinRAR=") + c.winRar + "\r\n7zip=" + c.sevenZip + "\r\n");
        FakeForm form;
        form.buttons[ArchiverButtonItem(Archiver::WinRar)] = true;  // an empty value keeps the state
        form.buttons[ArchiverButtonItem(Archiver::SevenZip)] = false;
        Open(form, folder.File(name));
        EXPECT_EQ(form.buttons[ArchiverButtonItem(Archiver::WinRar)], c.winRarSelected) << c.winRar;
        EXPECT_EQ(form.buttons[ArchiverButtonItem(Archiver::SevenZip)], c.sevenZipSelected) << c.sevenZip;
    }
}

TEST(TransferProject, DatesReadWithTheUsersPictureOrNotAtAll) {
    const struct {
        const char* stored;
        DateTimeValue expected;
    } cases[] = {
        {"05.03.2024", {2024, 3, 5, 0, 0, 0}},
        {"05.03.2024 13:30:00", {2024, 3, 5, 13, 30, 0}},
        {"3/5/2024", {2020, 1, 2, 0, 0, 0}},   // another user's format does not read: kept
        {"garbage", {2020, 1, 2, 0, 0, 0}},
        {"31.02.2024", {2020, 1, 2, 0, 0, 0}},
    };
    TempFolder folder;
    int index = 0;
    for (const auto& c : cases) {
        const std::string name = "date" + std::to_string(index++) + ".gwp";
        folder.Write(name, std::string("[RELEASE]\r\nDate=") + c.stored + "\r\n");
        FakeForm form;
        Open(form, folder.File(name));
        EXPECT_EQ(form.date, c.expected) << c.stored;
    }
}

TEST(TransferProject, SavingKeepsHandWrittenSections) {
    TempFolder folder;
    folder.Write("hand.gwp", "[NOTES]\r\nWho=me\r\n[APPLICATION]\r\nName=old\r\nExtra=kept\r\n");
    FakeForm form = FilledForm();
    Save(form, folder.File("hand.gwp"));
    EXPECT_EQ(platform::ReadProfileString(folder.File("hand.gwp"), "NOTES", "Who", ""), "me");
    EXPECT_EQ(platform::ReadProfileString(folder.File("hand.gwp"), "APPLICATION", "Extra", ""), "kept");
    EXPECT_EQ(platform::ReadProfileString(folder.File("hand.gwp"), "APPLICATION", "Name", ""), "My Fine Tool");
}

// A project is saved whole or not at all, and a failure says which file and why.
TEST(TransferProject, AFailedSaveLeavesTheFileAsItWasAndSaysWhy) {
    TempFolder folder;
    const std::string before = "[APPLICATION]\r\nName=old\r\n";
    folder.Write("kept.gwp", before);
    TempFolder::MakeReadOnly(folder.File("kept.gwp"));
    FakeForm form = FilledForm();
    const std::string failure =
        TransferProject(form, folder.File("kept.gwp"), ProjectDirection::Save, kPicture, platform::EnglishDateNames());
    EXPECT_NE(failure.find(folder.File("kept.gwp")), std::string::npos) << failure;
    EXPECT_EQ(folder.Read("kept.gwp"), before);
    const std::string inMissingFolder = folder.File("none") + platform::kPathSeparator + "new.gwp";
    EXPECT_FALSE(TransferProject(form, inMissingFolder, ProjectDirection::Save, kPicture,
                                 platform::EnglishDateNames()).empty());
    EXPECT_FALSE(TempFolder::Exists(inMissingFolder));
    EXPECT_EQ(TransferProject(form, folder.File("new.gwp"), ProjectDirection::Save, kPicture,
                              platform::EnglishDateNames()), "");
}

TEST(TransferProject, OpensFilesOfOtherWritersAsBefore) {
    TempFolder folder;
    folder.Write("other.gwp", "[APPLICATION]\r\nName = \"Quoted Tool\"  \r\nSite='x'\r\n");
    FakeForm form;
    Open(form, folder.File("other.gwp"));
    EXPECT_EQ(form.texts[ReleaseField('A')], "Quoted Tool");
    EXPECT_EQ(form.texts[ReleaseField('C')], "x");
}

TEST(TransferProject, JunkFilesLeaveTheFormUsable) {
    TempFolder folder;
    std::string junk;
    for (int i = 0; i < 20000; ++i) junk += static_cast<char>((i * 131) % 256);
    folder.Write("junk.gwp", junk);
    FakeForm form = FilledForm();
    Open(form, folder.File("junk.gwp"));
    EXPECT_EQ(form.texts[ReleaseField('A')], "My Fine Tool");
    EXPECT_EQ(form.date, (DateTimeValue{2024, 3, 5, 0, 0, 0}));
}

TEST(HoldsProjectSection, OneSectionOfTheProjectIsEnough) {
    std::string junk;
    for (int i = 0; i < 20000; ++i) junk += static_cast<char>((i * 131) % 256);
    const struct {
        const char* name;
        std::string bytes;
        bool holds;
    } cases[] = {
        {"empty", "", false},
        {"junk", junk, false},
        {"nul bytes", std::string(64, '\0'), false},
        {"text without sections", "just some text\r\nName=no section\r\n", false},
        {"only foreign sections", "[NOTES]\r\nName=x\r\n[APPLICATIONS]\r\nName=y\r\n", false},
        {"only the text blocks", "[INFO]\r\nGreetings=Hi\r\n", true},
        {"a key the project does not write", "[RELEASE]\r\nNotes=1\r\n", true},
        {"names in other case", "[rackage]\r\nspacer=_\r\n", true},
        {"last section of a hand-edited file", "[NOTES]\r\nWho=me\r\n[ARCHIVER]\r\n7zip=1\r\n", true},
    };
    TempFolder folder;
    for (const auto& c : cases) {
        folder.Write(c.name, c.bytes);
        EXPECT_EQ(HoldsProjectSection(folder.File(c.name)), c.holds) << c.name;
    }
    // Neither a missing file nor a folder can be read as one.
    EXPECT_FALSE(HoldsProjectSection(folder.File("missing.gwp")));
    EXPECT_FALSE(HoldsProjectSection(folder.Path()));
}

TEST(EncodeProjectValue, QuotesOnlyWhatTheReaderWouldChange) {
    using K = ProjectValueKind;
    EXPECT_EQ(EncodeProjectValue("plain text", K::Text), "plain text");
    EXPECT_EQ(EncodeProjectValue("", K::Text), "");
    EXPECT_EQ(EncodeProjectValue(" lead", K::Text), "\" lead\"");
    EXPECT_EQ(EncodeProjectValue("\"both\"", K::Text), "\"\"both\"\"");
    EXPECT_EQ(EncodeProjectValue("\"open only", K::Text), "\"open only");
    EXPECT_EQ(EncodeProjectValue("a\r\nb", K::TextBlock), "a{#}b");
    EXPECT_EQ(EncodeProjectValue("a\nb\r", K::TextBlock), "a{#}b{#}");
    EXPECT_EQ(EncodeProjectValue("a\r\nb", K::Text), "a  b");
}

TEST(ProjectDialog, PresetsAndRules) {
    EXPECT_EQ(SaveProjectPresetName("Tool", "Crew"), "Tool-Crew");
    EXPECT_EQ(SaveProjectPresetName("", "Crew"), "-Crew");
    EXPECT_EQ(SaveProjectPresetName("", ""), "-");
}

TEST(ProjectsFolder, IsCreatedOnlyWhenMissing) {
    TempFolder folder;
    EXPECT_EQ(ProjectsFolder(folder.Path()), folder.Path() + "Projects");
    EnsureProjectsFolder(folder.Path());
    EXPECT_TRUE(TempFolder::Exists(folder.Path() + "Projects"));
    folder.Write("Projects" + std::string(1, platform::kPathSeparator) + "kept.gwp", "x");
    EnsureProjectsFolder(folder.Path());
    EXPECT_EQ(folder.Read("Projects" + std::string(1, platform::kPathSeparator) + "kept.gwp"), "x");
}

}  // namespace
}  // namespace glyphwright
