#include "convert/ExportDialogParts.h"

#include <wx/checkbox.h>
#include <wx/filefn.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/textdlg.h>

#include "foundation/CFileDialogEx.h"
#include "foundation/CFolderDialog.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"


wxChoice* NewDropList(wxWindow* dialog, int id, std::initializer_list<const char*> entries) {
  auto* choice = new wxChoice(dialog, id);
  for (const char* entry : entries) choice->Append(CP932ToWx(entry));
  return choice;
}

wxChoice* NewFormDropList(wxWindow* dialog, int id) {
  return NewDropList(dialog, id, {"章立て", "章番号で章立て", "インデントのみ", "そのまま出力"});
}

void AddLabelled(wxSizer* grid, wxWindow* dialog, const char* label, wxWindow* control) {
  grid->Add(new wxStaticText(dialog, wxID_ANY, CP932ToWx(label)), 0, wxALIGN_CENTER_VERTICAL);
  grid->Add(control, 0, wxEXPAND);
}

void AddLabelled(wxSizer* grid, wxWindow* dialog, const char* label, wxSizer* controls) {
  grid->Add(new wxStaticText(dialog, wxID_ANY, CP932ToWx(label)), 0, wxALIGN_CENTER_VERTICAL);
  grid->Add(controls, 0, wxEXPAND);
}

int GetDropList(wxWindow* dialog, int id, int unchanged) {
  const int selection = DlgChoice(dialog, id)->GetSelection();
  return selection == wxNOT_FOUND ? unchanged : selection;
}

void SetDropList(wxWindow* dialog, int id, int value) {
  wxChoice* choice = DlgChoice(dialog, id);
  choice->SetSelection(value >= 0 && value < static_cast<int>(choice->GetCount()) ? value : wxNOT_FOUND);
}

void AskOutsideCss(wxWindow* parent) {
  wxTextEntryDialog input(parent, CP932ToWx("外部CSSファイル名を入力してください"), "CSS",
                          CP932ToWx(AfxGetProfileString("Text", "Css", "").str()));
  if (input.ShowModal() != wxID_OK) return;
  AfxWriteProfileString("Text", "Css", WxToCP932(input.GetValue()));
}

CString FolderToStartIn(const CString& remembered) {
  if (remembered.IsEmpty() || wxDirExists(CP932ToWx(remembered.str()))) return remembered;
  return remembered.Left(remembered.ReverseFind('/') + 1);
}

BOOL ChooseOutputFolder(CString& folder) {
  return CFolderDialog::Choose(folder, "出力先ディレクトリを指定してください");
}

BOOL ChooseIndexFile(wxWindow* owner, const char* folder, const char* name, CString& path, const char* title) {
  CFileDialogEx dialog(FALSE, "html", name, OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR,
                       "HTMLﾌｧｲﾙ(*.htm*) |*.htm*|全てのファイル(*.*) |*.*||", owner);
  dialog.m_ofn.lpstrTitle = title;
  dialog.m_ofn.lpstrInitialDir = FolderToStartIn(folder);
  if (dialog.DoModal() != IDOK) return FALSE;
  path = dialog.GetPathName();
  return TRUE;
}
