// The configuration file named after the executable: drop-down lists, greetings, archiver
// options and the install text that follows the release type, picked or typed.

#include <algorithm>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "app_session.h"
#include "gui_framework.h"
#include "template_support.h"

namespace glyphwright::guitest {
namespace {

using namespace ids;
using Strings = std::vector<std::string>;

// Section names in any case, blank lines, a comment, and a list line holding '='.
const char kConfiguration[] =
    "[team]\r\nXYZ\r\niNKWELL\r\n\r\nLATTiCE=Crew\r\n\r\n"
    "[Members]\r\nRazorwire\r\n; not a member\r\nNightowl\r\n\r\n"
    "[RELEASE TYPE]\r\nRetail\r\nKeygen\r\nPortable\r\nCrack\r\n\r\n"
    "[PROTECTION]\r\nSerial\r\n"
    "[OS TYPE]\r\nWindows 11\r\n"
    "[LANGUAGE]\r\nEnglish\r\nGerman\r\n"
    "[PROGRAM TYPE]\r\nUtility\r\n"
    "[RELEASE SIZE]\r\n01 x 2.88 MB\r\n\r\n"
    "[TEAM INFORMATION]\r\nGreetings=Hello{#}{#}world\r\n\r\n"
    "[INSTALL INFO]\r\nRetail=Run Setup.exe{#}Enjoy\r\nkeygen=Use the keygen\r\nPortable=\r\n\r\n"
    "[ARCHIVERS OPTION]\r\nWinrar=a -m5\r\n7zip=a -t7z -mx=9\r\n";

struct ListRow {
    int id;
    Strings entries;
};

GUI_SCENARIO(configuration_fills_lists_greetings_and_options) {
    InstallSpec layout;
    layout.configuration = kConfiguration;
    AppSession app(layout);
    REQUIRE(app.Start());
    app.Settle();

    const Strings teams = {"XYZ", "iNKWELL", "LATTiCE=Crew"};
    const Strings members = {"Razorwire", "Nightowl"};
    const ListRow rows[] = {
        {FieldId('F'), teams},
        {kPackageTeam, teams},
        {FieldId('G'), members},
        {FieldId('H'), members},
        {FieldId('I'), members},
        {FieldId('J'), members},
        {FieldId('K'), members},
        {FieldId('L'), {"Retail", "Keygen", "Portable", "Crack"}},
        {FieldId('M'), {"Serial"}},
        {FieldId('P'), {"Windows 11"}},
        {FieldId('D'), {"English", "German"}},
        {FieldId('E'), {"Utility"}},
        {FieldId('O'), {"01 x 2.88 MB"}},
    };
    for (const ListRow& row : rows) {
        FailureContext context("drop-down " + Describe(row.id));
        CHECK(app.ListEntries(row.id) == row.entries);
        CHECK_EQ(app.Text(row.id), row.entries.front());  // the first entry is current
    }
    CHECK_EQ(app.Text(FieldId('U')), std::string("Hello\r\n\r\nworld"));
    CHECK_EQ(app.Text(FieldId('S')), std::string());  // choosing at start is no change
    CHECK_EQ(app.Text(ArchiverOptionsId(Archiver::WinRar)), std::string("a -m5"));
    CHECK_EQ(app.Text(ArchiverOptionsId(Archiver::SevenZip)), std::string("a -t7z -mx=9"));

    // Picked: the key is matched whatever its case; a type without text (or without a key)
    // empties {S}, whatever was typed there.
    PickEntry(app, FieldId('L'), 1);
    CHECK_EQ(app.Text(FieldId('S')), std::string("Use the keygen"));
    for (int index : {2, 3}) {
        FailureContext context("release type " + Describe(index));
        app.SetText(FieldId('S'), "typed by hand");
        PickEntry(app, FieldId('L'), index);
        CHECK_EQ(app.Text(FieldId('S')), std::string());
    }
    PickEntry(app, FieldId('L'), 0);
    CHECK_EQ(app.Text(FieldId('S')), std::string("Run Setup.exe\r\nEnjoy"));

    // Typed: looked up at every keystroke.
    TypeOver(app, FieldId('L'), "Retai");
    CHECK_EQ(app.Text(FieldId('S')), std::string());
    app.Type(FieldId('L'), "l");
    CHECK_EQ(app.Text(FieldId('S')), std::string("Run Setup.exe\r\nEnjoy"));
    app.Type(FieldId('L'), "s");
    CHECK_EQ(app.Text(FieldId('S')), std::string());

    // The install texts are read at each change: an edited file counts at once.
    std::string edited = kConfiguration;
    edited.replace(edited.find("Run Setup.exe{#}Enjoy"), 21, "Changed{#}text");
    REQUIRE(WriteBytes(app.Folder() + "Glyphwright.ini", edited));
    TypeOver(app, FieldId('L'), "Retail");
    CHECK_EQ(app.Text(FieldId('S')), std::string("Changed\r\ntext"));
}

GUI_SCENARIO(configuration_follows_the_executable_name) {
    InstallSpec layout;
    layout.exeName = "Renamed.exe";
    layout.configuration = "[TEAM]\r\nFound\r\n";  // written as Renamed.ini
    layout.files = {{"Glyphwright.ini", "[TEAM]\r\nIgnored\r\n[ARCHIVERS OPTION]\r\nWinrar=a\r\n"}};
    AppSession app(layout);
    REQUIRE(app.Start());
    app.Settle();
    CHECK(app.ListEntries(FieldId('F')) == (Strings{"Found"}));
    CHECK_EQ(app.Text(ArchiverOptionsId(Archiver::WinRar)), std::string());
}

// --- Inputs that must neither crash nor hang the program ------------------------------------

std::string ComboEntry(const AppSession& app, int id, size_t index) {
    HWND combo = app.Get(id);
    const auto length = app.Send(combo, CB_GETLBTEXTLEN, index);
    if (length < 0) return "<no entry>";
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const auto copied = app.Send(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(std::max<LRESULT>(0, std::min<LRESULT>(copied, length))));
    return Narrow(text);
}

// Generous bounds: they only turn a hang into a failure.
constexpr DWORD kHangLimitMs = 60000;

// The program answers, renders and ends normally when asked to close.
void CheckStillWorking(AppSession& app) {
    CHECK(app.Running());
    app.PostCommand(kCmdMakeNfo);
    CHECK_EVENTUALLY_EQ(app.CurrentTab(), 2);
    app.PostClose();
    const auto exitCode = app.WaitForExit(kHangLimitMs);
    CHECK(exitCode.has_value());
    if (exitCode) CHECK_EQ(*exitCode, static_cast<DWORD>(0));
}

GUI_SCENARIO(configuration_of_junk_bytes_starts_normally) {
    InstallSpec layout;
    layout.configuration = NoiseBytes(256 * 1024, 7);
    AppSession app(layout);
    REQUIRE(app.Start());
    app.Settle();
    ReportNote("start-up with a 256 KB junk configuration: " + std::to_string(app.StartupMilliseconds()) + " ms");
    CheckStillWorking(app);
}

GUI_SCENARIO(configuration_section_of_a_megabyte_is_cut) {
    std::string section = "[TEAM]\r\n";
    constexpr size_t kEntryLength = 8;  // "T" and seven digits
    for (int i = 0; section.size() < 1024 * 1024; ++i) {
        char entry[16];
        wsprintfA(entry, "T%07d\r\n", i);
        section += entry;
    }
    InstallSpec layout;
    layout.configuration = section + "[TEAM INFORMATION]\r\nGreetings=after the big one\r\n";
    AppSession app(layout);
    REQUIRE(app.Start());
    app.Settle();
    ReportNote("start-up with a 1 MB section: " + std::to_string(app.StartupMilliseconds()) + " ms");

    // A section is read into 32767 characters: each entry takes its text and a NUL. Entries
    // are read one by one across processes, so only a few are looked at.
    const size_t whole = (32767 - 2) / (kEntryLength + 1);
    const auto count = static_cast<size_t>(app.Send(app.Get(FieldId('F')), CB_GETCOUNT));
    CHECK(count >= whole && count <= whole + 1);
    CHECK_EQ(static_cast<size_t>(app.Send(app.Get(kPackageTeam), CB_GETCOUNT)), count);
    for (size_t index : {size_t{0}, size_t{1}, whole / 2, whole - 1}) {
        char entry[16];
        wsprintfA(entry, "T%07d", static_cast<int>(index));
        FailureContext context("entry " + Describe(index));
        CHECK_EQ(ComboEntry(app, FieldId('F'), index), std::string(entry));
        CHECK_EQ(ComboEntry(app, kPackageTeam, index), std::string(entry));
    }
    CHECK_EQ(app.Text(FieldId('F')), std::string("T0000000"));
    CHECK_EQ(app.Text(FieldId('U')), std::string("after the big one"));
    CheckStillWorking(app);
}

}  // namespace
}  // namespace glyphwright::guitest
