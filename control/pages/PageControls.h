#pragma once
// Building and reading the controls of the property pages. Every control carries its dialog id as
// window id, so pages and tests find it by that id. Labels are Shift JIS.
#include <initializer_list>

#include "platform/base/CString.h"

class wxButton;
class wxCheckBox;
class wxChoice;
class wxRadioButton;
class wxSizer;
class wxTextCtrl;
class wxWindow;

// The Reset button that several pages share.
constexpr int IDC_PAGE_RESET = 360;

wxCheckBox* AddCheck(wxWindow* page, wxSizer* to, int id, const char* label);
wxRadioButton* AddRadio(wxWindow* page, wxSizer* to, int id, const char* label, bool firstOfGroup);
// A label and an edit on one row; maxChars 0 leaves the length free.
wxTextCtrl* AddEdit(wxWindow* page, wxSizer* to, int id, const char* label, int maxChars = 0);
// A label, an edit and a spin button that steps the edit's number within low..high. The edit itself
// takes any text, as the page reads it when it applies.
wxTextCtrl* AddSpinEdit(wxWindow* page, wxSizer* to, int id, const char* label, int spinId, int low, int high);
wxChoice* AddChoice(wxWindow* page, wxSizer* to, int id, const char* label, std::initializer_list<const char*> entries);
wxButton* AddButton(wxWindow* page, wxSizer* to, int id, const char* label);
// A titled group box with a vertical sizer inside, added to `to`.
wxSizer* AddGroup(wxWindow* page, wxSizer* to, const char* title);

// Values by dialog id; the setters do not raise change events, so filling never marks a page.
void SetCheck(wxWindow* page, int id, bool checked);
bool IsChecked(wxWindow* page, int id);
void SetEditText(wxWindow* page, int id, const CString& text);
CString GetEditText(wxWindow* page, int id);
// The edit's text as a number: leading digits (and, when signed, a sign); anything else reads 0.
long GetEditNumber(wxWindow* page, int id, bool isSigned);
void SetChoice(wxWindow* page, int id, int index);
int GetChoice(wxWindow* page, int id);  // -1 when nothing is selected
void EnableItem(wxWindow* page, int id, bool enable);
