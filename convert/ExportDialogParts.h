#pragma once
// Pieces the export option dialogs share: drop lists and labelled
// rows made from code-page-932 texts, the heading-number forms, and the question for the outside
// style sheet that the text and HTML dialogs both ask.
#include <initializer_list>

#include "platform/base/CString.h"
#include "platform/desktop/DlgItem.h"
#include "platform/base/WinTypes.h"

class wxCheckBox;
class wxChoice;
class wxSizer;
class wxTextCtrl;
class wxWindow;


wxChoice* NewDropList(wxWindow* dialog, int id, std::initializer_list<const char*> entries);
// The entries of the heading-number form, by their number.
wxChoice* NewFormDropList(wxWindow* dialog, int id);
// A label and its control side by side in a two-column grid.
void AddLabelled(wxSizer* grid, wxWindow* dialog, const char* label, wxWindow* control);
void AddLabelled(wxSizer* grid, wxWindow* dialog, const char* label, wxSizer* controls);

// A drop list's position; a value beyond its entries shows no choice and comes back unchanged.
int GetDropList(wxWindow* dialog, int id, int unchanged);
void SetDropList(wxWindow* dialog, int id, int value);

// Where a chooser starts for a remembered place, which may name the file chosen last time.
CString FolderToStartIn(const CString& remembered);
// The output-folder chooser of the per-tree exports, starting at folder; FALSE when cancelled.
BOOL ChooseOutputFolder(CString& folder);
// The page-file chooser of the per-tree exports (a save dialog), starting in folder with the name
// given; the chosen full path on OK.
BOOL ChooseIndexFile(wxWindow* owner, const char* folder, const char* name, CString& path,
                     const char* title = "Indexファイル名の入力");

// Asks for the address of an outside style sheet, prefilled with Text/"Css", and stores the answer
// at once: the dialog that asked may still be cancelled.
void AskOutsideCss(wxWindow* parent);
