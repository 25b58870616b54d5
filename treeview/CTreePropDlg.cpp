#include "treeview/CTreePropDlg.h"

#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "model/CCategoryArray.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"

namespace {

constexpr const char* kOutputs[] = {"変更無し", "章立て文字付きタイトル", "章立て文字無しタイトル",
                                    "タイトル無し（テキストのみ）", "出力しない"};

wxChoice* AddChoice(wxWindow* dialog, wxSizer* grid, int id, const char* label) {
  grid->Add(new wxStaticText(dialog, wxID_ANY, CP932ToWx(label)), 0, wxALIGN_CENTER_VERTICAL);
  auto* choice = new wxChoice(dialog, id);
  grid->Add(choice, 1, wxEXPAND);
  return choice;
}

}  // namespace

CTreePropDlg::CTreePropDlg(wxWindow* parent, const CCategoryArray& categories)
    : wxDialog(parent, wxID_ANY, CP932ToWx("配下のツリーの属性変更")) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* grid = new wxFlexGridSizer(2, 8, 8);
  grid->AddGrowableCol(1);
  wxChoice* output = AddChoice(this, grid, IDC_OUTPUT, "タイトル出力設定(&T):");
  for (const char* text : kOutputs) output->Append(CP932ToWx(text));
  wxChoice* category = AddChoice(this, grid, IDC_CATEGORY, "カテゴリ(&C):");
  category->Append(CP932ToWx("変更無し"));
  category->Append(CP932ToWx("未設定"));
  for (int k = 1; k <= categories.GetCount(); ++k) category->Append(CP932ToWx(categories.GetName(k).str()));
  top->Add(grid, 0, wxALL | wxEXPAND, 10);
  top->Add(CreateOkCancelButtons(this), 0, wxLEFT | wxRIGHT | wxBOTTOM | wxEXPAND, 10);
  SetSizerAndFit(top);
  CentreOnParent();
}

bool CTreePropDlg::TransferDataToWindow() {
  static_cast<wxChoice*>(FindWindow(IDC_OUTPUT))->SetSelection(m_nOutput + 1);
  static_cast<wxChoice*>(FindWindow(IDC_CATEGORY))->SetSelection(m_nCategory + 1);
  return true;
}

bool CTreePropDlg::TransferDataFromWindow() {
  m_nOutput = static_cast<wxChoice*>(FindWindow(IDC_OUTPUT))->GetSelection() - 1;
  m_nCategory = static_cast<wxChoice*>(FindWindow(IDC_CATEGORY))->GetSelection() - 1;
  return true;
}
