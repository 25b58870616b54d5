#pragma once
// Standing in for a dialog's control with a window of the program's own class, as subclassing a
// control of a dialog template does on Windows.
class wxCheckBox;
class wxChoice;
class wxTextCtrl;
class wxWindow;

// A dialog's control of the given id, as the class it is.
wxTextCtrl* DlgEdit(wxWindow* dialog, int id);
wxCheckBox* DlgCheck(wxWindow* dialog, int id);
wxChoice* DlgChoice(wxWindow* dialog, int id);

// Puts replacement into the place of item (its sizer slot and tab position) and destroys item.
// The caller creates replacement first, with item's parent, rectangle and id.
void ReplaceDlgItem(wxWindow* item, wxWindow* replacement);
