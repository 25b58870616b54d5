// The text pane's text in a viewer window of its own, which hands the links opened in it back to
// the pane.
#include <wx/event.h>

#include "app/CKestavonDoc.h"
#include "textarea/CIEditView.h"
#include "textarea/CTextViewDlg.h"

void CIEditView::OnTextWindow(wxCommandEvent&) {
  auto* viewer = new CTextViewDlg;
  viewer->m_strText = GetEditCtrl().GetText();
  if (CKestavonDoc* doc = GetDocument()) {
    const int item = doc->GetCurrentTree();
    if (item >= 0 && item < doc->GetTree().GetDirDataCount()) viewer->m_strTitle = doc->GetTree().GetName(item);
  }
  viewer->m_pOwner = this;
  if (!viewer->Create()) viewer->Destroy();
}
