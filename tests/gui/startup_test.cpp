// Start-up without anything beside the executable, and with a command line it must ignore.

#include "app/control_ids.h"
#include "app_session.h"
#include "gui_framework.h"

namespace glyphwright::guitest {
namespace {

using namespace ids;

// The only message start-up may show is the archiver warning.
constexpr char kArchiverWarning[] = "In the system of archivers are not registered!";

const int kDropDowns[] = {
    FieldId('D'), FieldId('E'), FieldId('F'), FieldId('G'), FieldId('H'),
    FieldId('I'), FieldId('J'), FieldId('K'), FieldId('L'), FieldId('M'),
    FieldId('O'), FieldId('P'), kPackageTeam,
};

void CheckOnlyArchiverWarning(const AppSession& app) {
    for (const SeenMessageBox& box : app.StartupMessageBoxes()) {
        FailureContext context("message " + Describe(box.text));
        CHECK_EQ(box.text.compare(0, sizeof kArchiverWarning - 1, kArchiverWarning), 0);
    }
}

GUI_SCENARIO(starts_without_configuration_with_empty_lists) {
    AppSession app;  // no Glyphwright.ini, no Templates
    REQUIRE(app.Start());
    CheckOnlyArchiverWarning(app);
    for (int id : kDropDowns) {
        FailureContext context("drop-down " + Describe(id));
        CHECK_EQ(app.ListEntries(id).size(), static_cast<size_t>(0));
        CHECK_EQ(app.Text(id), std::string());
    }
    CHECK_EQ(app.Text(ArchiverOptionsId(Archiver::WinRar)), std::string());
    CHECK_EQ(app.Text(ArchiverOptionsId(Archiver::SevenZip)), std::string());
    CHECK_EQ(app.Text(FieldId('U')), std::string());  // no default greetings
}

GUI_SCENARIO(command_line_arguments_are_ignored) {
    InstallSpec layout;
    layout.arguments = "--help /s \"C:\\no such\\project.gwp\" Name=Given";
    AppSession app(layout);
    REQUIRE(app.Start());
    CheckOnlyArchiverWarning(app);
    CHECK_EQ(app.Text(FieldId('A')), std::string());
    CHECK_EQ(app.Text(FieldId('Q')), std::string());
    CHECK_EQ(app.Text(kDelimiter), std::string("-"));
    CHECK_EQ(app.Text(kSpacer), std::string("."));
    CHECK_EVENTUALLY_EQ(app.CurrentTab(), 0);
}

}  // namespace
}  // namespace glyphwright::guitest
