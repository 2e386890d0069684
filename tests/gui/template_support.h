#pragma once
// What the template, rendering and configuration scenarios share: reading the template boxes'
// focus mark, picking a drop-down entry with the mouse, the lines an edit displays, and
// drawing 79-column NFO lines for templates and their expected renderings.

#include <windows.h>

#include <string>
#include <vector>

#include "app_session.h"

namespace glyphwright::guitest {

// --- Template boxes ---------------------------------------------------------------------------
// The entry that holds the focus mark (LB_GETCARETINDEX): the one the program renders.
int CaretIndex(const AppSession& app, int listId);
bool IsSelected(const AppSession& app, int listId, int index);

// --- Drop-downs -------------------------------------------------------------------------------
// Opens the list and clicks entry `index`, as a user picks it; returns once the edit part shows
// the entry and the program has handled the pick.
void PickEntry(const AppSession& app, int comboId, int index);
// Selects the whole text of a drop-down's or text field's edit and types `text` over it.
void TypeOver(const AppSession& app, int id, const std::string& text);

// --- Commands -----------------------------------------------------------------------------
// Sends a menu command and returns the milliseconds until the program had handled it; a
// program that takes longer than `limitMs` fails the scenario's check.
ULONGLONG RunCommand(const AppSession& app, int command, DWORD limitMs);

// --- Edits ------------------------------------------------------------------------------------
// The lines a multi-line edit displays (EM_GETLINECOUNT / EM_GETLINE), wrapping included.
std::vector<std::string> DisplayedLines(const AppSession& app, int editId);
// The length of a control's text without reading it (WM_GETTEXTLENGTH), for big texts.
size_t TextLength(const AppSession& app, int id);

// --- Documents --------------------------------------------------------------------------------
// Lines joined with CR LF after each, the last one too.
std::string JoinLines(const std::vector<std::string>& lines);
// What rendering does to a template that holds no placeholder: a CR (with an LF after it) ends
// a line, a lone LF is an ordinary character, a NUL cuts its line and one at a line's start
// ends the text; every line then ends with CR LF.
std::string RenderedWithoutPlaceholders(const std::string& bytes);

// --- NFO drawing in code page 437 (79 columns) -------------------------------------------------
constexpr size_t kNfoWidth = 79;
constexpr size_t kNfoInner = kNfoWidth - 2;
std::string Rule(char left, char right);
// The text from the left border on, blanks up to the right border.
std::string Framed(const std::string& text);
// The text centred between the borders, an odd blank on the right.
std::string Centred(const std::string& text);
// Texts placed at the given columns (0 = first column after the left border).
std::string Columns(const std::vector<std::pair<size_t, std::string>>& parts);

// The ANSI text as the OEM code page holds it, done by the platform as the program does it.
std::string Oem(const std::string& ansi);

// --- Files ------------------------------------------------------------------------------------
bool WriteBytes(const std::string& path, const std::string& bytes);

// Pseudo-random bytes from a fixed seed, without `excluded`.
std::string NoiseBytes(size_t size, unsigned seed, const std::string& excluded = {});

}  // namespace glyphwright::guitest
