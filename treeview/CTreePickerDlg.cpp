#include "treeview/CTreePickerDlg.h"

#include <wx/checkbox.h>
#include <wx/imaglist.h>
#include <wx/sizer.h>

#include "model/ATREE.h"
#include "platform/framework/CTreeCtrl.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/framework/DialogHelp.h"
#include "platform/desktop/DlgItem.h"
#include "treeview/TreePickerImages.h"

namespace {

constexpr long kPickerStyle = wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_SINGLE;
// Tree-item states of the multi picker: the index of the tick picture.
constexpr int kUnticked = 0, kTicked = 1;

}  // namespace

CTreePickerDlg::CTreePickerDlg(wxWindow* parent, const char* caption, long treeStyle)
    : wxDialog(parent, wxID_ANY, CP932ToWx(caption), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_tree(std::make_unique<CTreeCtrl>()),
      m_items(*m_tree) {
  m_tree->Create(this, IDC_TREE, treeStyle);
  m_tree->GetWindow()->SetMinSize(wxSize(320, 360));
  m_tree->GetWindow()->AssignImageList(MakeTreePickerImages().release());
  Bind(wxEVT_INIT_DIALOG, [this](wxInitDialogEvent& event) { OnInitDialog(event); });
  Bind(wxEVT_BUTTON, [this](wxCommandEvent& event) { OnOK(event); }, wxID_OK);
}

CTreePickerDlg::~CTreePickerDlg() = default;

wxTreeCtrl* CTreePickerDlg::GetTreeWindow() const { return m_tree->GetWindow(); }

void CTreePickerDlg::LayOut(wxSizer* extra) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(m_tree->GetWindow(), 1, wxALL | wxEXPAND, 10);
  if (extra != nullptr) top->Add(extra, 0, wxLEFT | wxRIGHT | wxEXPAND, 10);
  top->Add(CreateOkCancelButtons(this), 0, wxALL | wxEXPAND, 10);
  SetSizerAndFit(top);
  CentreOnParent();
}

void CTreePickerDlg::OnInitDialog(wxInitDialogEvent& event) {
  if (m_pTree != nullptr) {
    m_items.Fill(*m_pTree);
    m_items.SelectIndex(m_nIndex);
  }
  event.Skip();  // the controls' data exchange
}

void CTreePickerDlg::OnOK(wxCommandEvent&) {
  if (!Validate() || !TransferDataFromWindow()) return;
  const int chosen = m_items.GetSelectedIndex();
  if (chosen >= 0) m_nIndex = chosen;
  EndModal(wxID_OK);
}

CTreeRefDlg::CTreeRefDlg(wxWindow* parent) : CTreePickerDlg(parent, "ツリーの参照", kPickerStyle) { LayOut(nullptr); }

CTreeMoveDlg::CTreeMoveDlg(wxWindow* parent) : CTreePickerDlg(parent, "ツリーの移動", kPickerStyle) {
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(new wxCheckBox(this, IDC_SAMELEVEL, CP932ToWx("同じレベルで挿入")));
  LayOut(row);
  BindDialogHelp(this, 177);
}

bool CTreeMoveDlg::TransferDataToWindow() {
  DlgCheck(this, IDC_SAMELEVEL)->SetValue(m_bSameLevel != FALSE);
  return true;
}

bool CTreeMoveDlg::TransferDataFromWindow() {
  m_bSameLevel = DlgCheck(this, IDC_SAMELEVEL)->GetValue();
  return true;
}

CTreeMultiDlg::CTreeMultiDlg(wxWindow* parent) : CTreePickerDlg(parent, "複数ツリーの選択", kPickerStyle) {
  wxTreeCtrl* tree = GetTreeWindow();
  tree->AssignStateImageList(MakeTickImages().release());
  const auto toggle = [this, tree](const wxTreeItemId& id) {
    if (!id.IsOk()) return;
    tree->SetItemState(id, tree->GetItemState(id) == kTicked ? kUnticked : kTicked);
  };
  tree->Bind(wxEVT_TREE_STATE_IMAGE_CLICK, [toggle](wxTreeEvent& event) { toggle(event.GetItem()); });
  tree->Bind(wxEVT_TREE_KEY_DOWN, [toggle, tree](wxTreeEvent& event) {
    if (event.GetKeyCode() == WXK_SPACE)
      toggle(tree->GetSelection());
    else
      event.Skip();
  });
  LayOut(nullptr);
}

void CTreeMultiDlg::OnInitDialog(wxInitDialogEvent& event) {
  CTreePickerDlg::OnInitDialog(event);
  // An item shows a tick box only once it has a state.
  const int count = m_pTree != nullptr ? m_pTree->GetDirDataCount() : 0;
  for (int item = 0; item < count; ++item) SetCheck(item, FALSE);
}

void CTreeMultiDlg::SetCheck(int item, BOOL check) {
  const HTREEITEM handle = m_items.GetItemHandle(item);
  if (handle != nullptr) GetTreeWindow()->SetItemState(wxTreeItemId(handle), check ? kTicked : kUnticked);
}

BOOL CTreeMultiDlg::GetCheck(int item) const {
  const HTREEITEM handle = m_items.GetItemHandle(item);
  return handle != nullptr && GetTreeWindow()->GetItemState(wxTreeItemId(handle)) == kTicked;
}

void CTreeMultiDlg::OnOK(wxCommandEvent&) {
  m_checkArray.RemoveAll();
  const int count = m_pTree != nullptr ? m_pTree->GetDirDataCount() : 0;
  for (int item = 0; item < count; ++item)
    if (GetCheck(item)) m_checkArray.Add(static_cast<UINT>(item));
  EndModal(wxID_OK);
}
