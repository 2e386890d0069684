// The File Name {Q} follows the Name {A} and the Spacer as the user types: every space of the
// name becomes the Spacer, and editing the Spacer swaps the old spacer for the new one.

#include "app/control_ids.h"
#include "app_session.h"
#include "gui_framework.h"

namespace glyphwright::guitest {
namespace {

const int kName = ids::FieldId('A');
const int kFileName = ids::FieldId('Q');

// Selects the whole field so that the next typed character replaces it, as a user would.
void SelectAll(const AppSession& app, int id) { app.Send(app.Get(id), EM_SETSEL, 0, -1); }

void Retype(const AppSession& app, int id, const std::string& text) {
    SelectAll(app, id);
    app.Type(id, text);
}

GUI_SCENARIO(typed_name_derives_file_name) {
    AppSession app;
    REQUIRE(app.Start());
    struct Case {
        const char* name;
        const char* fileName;
    };
    const Case cases[] = {
        {"Glyph Tool Pro", "Glyph.Tool.Pro"},
        {"Two  Spaces", "Two..Spaces"},  // runs of spaces are not merged
        {" Edges ", ".Edges."},
        {"NoSpaces", "NoSpaces"},
        {"v1.2 Beta", "v1.2.Beta"},
    };
    for (const Case& c : cases) {
        FailureContext context("name " + Describe(c.name));
        Retype(app, kName, c.name);
        CHECK_EVENTUALLY_EQ(app.Text(kName), std::string(c.name));
        CHECK_EVENTUALLY_EQ(app.Text(kFileName), std::string(c.fileName));
    }
    // Deleting the whole name empties the file name.
    SelectAll(app, kName);
    app.Type(kName, "\b");
    CHECK_EVENTUALLY_EQ(app.Text(kName), std::string());
    CHECK_EQ(app.Text(kFileName), std::string());
}

GUI_SCENARIO(name_set_from_code_and_hand_edits_of_file_name) {
    AppSession app;
    REQUIRE(app.Start());
    // Setting the text (as opening a project does) derives at once, inside the setting.
    app.SetText(kName, "Set By Code");
    CHECK_EQ(app.Text(kFileName), std::string("Set.By.Code"));
    // A hand-made file name lasts until the next change of the name.
    app.SetText(kFileName, "hand made");
    CHECK_EQ(app.Text(kFileName), std::string("hand made"));
    app.Send(app.Get(kName), EM_SETSEL, 11, 11);
    app.Type(kName, "s");
    CHECK_EVENTUALLY_EQ(app.Text(kFileName), std::string("Set.By.Codes"));
}

GUI_SCENARIO(new_spacer_replaces_old_one_in_file_name) {
    AppSession app;
    REQUIRE(app.Start());
    app.Type(kName, "v1.2 Final Cut");
    CHECK_EVENTUALLY_EQ(app.Text(kFileName), std::string("v1.2.Final.Cut"));
    // Full stops that were part of the name go too: only the text is known, not its origin.
    Retype(app, ids::kSpacer, "_");
    CHECK_EVENTUALLY_EQ(app.Text(ids::kSpacer), std::string("_"));
    CHECK_EVENTUALLY_EQ(app.Text(kFileName), std::string("v1_2_Final_Cut"));
    // Appending to the spacer: the remembered "_" becomes "_~" everywhere.
    app.Send(app.Get(ids::kSpacer), EM_SETSEL, 1, 1);
    app.Type(ids::kSpacer, "~");
    CHECK_EVENTUALLY_EQ(app.Text(ids::kSpacer), std::string("_~"));
    CHECK_EVENTUALLY_EQ(app.Text(kFileName), std::string("v1_~2_~Final_~Cut"));
    // The next change of the name derives with the new spacer from scratch.
    app.Send(app.Get(kName), EM_SETSEL, 14, 14);
    app.Type(kName, "s");
    CHECK_EVENTUALLY_EQ(app.Text(kFileName), std::string("v1.2_~Final_~Cuts"));
}

GUI_SCENARIO(cleared_spacer_then_retyped) {
    AppSession app;
    REQUIRE(app.Start());
    app.Type(kName, "Glyph Tool Pro");
    CHECK_EVENTUALLY_EQ(app.Text(kFileName), std::string("Glyph.Tool.Pro"));
    // Clearing with a keystroke remembers "." and leaves the file name alone.
    SelectAll(app, ids::kSpacer);
    app.Type(ids::kSpacer, "\b");
    CHECK_EVENTUALLY_EQ(app.Text(ids::kSpacer), std::string());
    CHECK_EQ(app.Text(kFileName), std::string("Glyph.Tool.Pro"));
    // The next spacer typed replaces the spacer from before the clearing.
    app.Type(ids::kSpacer, "-");
    CHECK_EVENTUALLY_EQ(app.Text(ids::kSpacer), std::string("-"));
    CHECK_EVENTUALLY_EQ(app.Text(kFileName), std::string("Glyph-Tool-Pro"));
}

GUI_SCENARIO(spacer_empty_before_first_keystroke_touches_nothing) {
    AppSession app;
    REQUIRE(app.Start());
    app.Type(kName, "a b c");
    CHECK_EVENTUALLY_EQ(app.Text(kFileName), std::string("a.b.c"));
    // Emptied without a keystroke (as a project with an empty spacer does): nothing remembered.
    app.SetText(ids::kSpacer, "");
    CHECK_EQ(app.Text(kFileName), std::string("a.b.c"));
    app.Type(ids::kSpacer, "_");
    CHECK_EVENTUALLY_EQ(app.Text(ids::kSpacer), std::string("_"));
    CHECK_EQ(app.Text(kFileName), std::string("a.b.c"));
    // The new spacer reaches the file name at the next change of the name.
    app.Send(app.Get(kName), EM_SETSEL, 5, 5);
    app.Type(kName, "d");
    CHECK_EVENTUALLY_EQ(app.Text(kFileName), std::string("a_b_cd"));
}

GUI_SCENARIO(spacer_that_contains_itself_or_a_space_ends) {
    AppSession app;
    REQUIRE(app.Start());
    app.Type(kName, "a b");
    CHECK_EVENTUALLY_EQ(app.Text(kFileName), std::string("a.b"));
    // "." typed over "." and ".." after "." would replace for ever if inserted text were
    // searched again; the program must keep answering.
    Retype(app, ids::kSpacer, ".");
    CHECK_EVENTUALLY_EQ(app.Text(kFileName), std::string("a.b"));
    app.Send(app.Get(ids::kSpacer), EM_SETSEL, 1, 1);
    app.Type(ids::kSpacer, ".");
    CHECK_EVENTUALLY_EQ(app.Text(ids::kSpacer), std::string(".."));
    CHECK_EVENTUALLY_EQ(app.Text(kFileName), std::string("a..b"));
    // A space as spacer: deriving must not chase its own spaces.
    Retype(app, ids::kSpacer, " ");
    CHECK_EVENTUALLY_EQ(app.Text(kFileName), std::string("a b"));
    app.Send(app.Get(kName), EM_SETSEL, 3, 3);
    app.Type(kName, "c");
    CHECK_EVENTUALLY_EQ(app.Text(kFileName), std::string("a bc"));
    CHECK(app.Running());
}

GUI_SCENARIO(narrow_delimiter_and_spacer_take_text_of_any_length) {
    AppSession app;
    REQUIRE(app.Start());
    const std::string longText = "a delimiter far wider than twenty pixels";
    Retype(app, ids::kDelimiter, longText);
    CHECK_EVENTUALLY_EQ(app.Text(ids::kDelimiter), longText);
    app.Type(kName, "x y");
    Retype(app, ids::kSpacer, "<spacer>");
    CHECK_EVENTUALLY_EQ(app.Text(ids::kSpacer), std::string("<spacer>"));
    CHECK_EVENTUALLY_EQ(app.Text(kFileName), std::string("x<spacer>y"));
}

}  // namespace
}  // namespace glyphwright::guitest
