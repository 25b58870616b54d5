#include "app/CTitleListView.h"

#include <wx/sizer.h>

#include "app/CKestavonDoc.h"
#include "platform/CodePage.h"

BOOL CTitleListView::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size) {
  if (!CView::Create(parent, id, pos, size)) return FALSE;
  m_list = new wxListBox(this, wxID_ANY);
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(m_list, 1, wxEXPAND);
  SetSizer(sizer);
  return TRUE;
}

void CTitleListView::OnInitialUpdate() {
  Fill();
  CView::OnInitialUpdate();
}

void CTitleListView::OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) {
  Fill();
  CView::OnUpdate(sender, hint, hintObject);
}

void CTitleListView::Fill() {
  auto* doc = dynamic_cast<CKestavonDoc*>(GetDocument());
  if (!doc || !m_list) return;
  ATREE& tree = doc->GetTree();
  wxArrayString lines;
  for (int item = 0; item < tree.GetDirDataCount(); ++item) {
    CString line(' ', 4 * tree.GetLevel(item));
    line += tree.GetName(item);
    lines.Add(CP932ToWx(line.str()));
  }
  m_list->Set(lines);
}
