#include "shell/TreeLinkCommands.h"

#include <wx/event.h>

#include "app/CKestavonDoc.h"
#include "app/CRepDlg.h"
#include "app/SearchSupport.h"
#include "shell/FrameTreePane.h"
#include "convert/LinkBlocks.h"
#include "platform/desktop/MessageBox.h"
#include "platform/desktop/CWaitCursor.h"
#include "resources/CommandIds.h"

namespace {

// The links of the current tree and every tree below it: the word replaced, or, with an empty word
// in plain mode, the replacement put in front (a common folder prefix). One undo step.
void ReplaceLinkNames(CKestaFrame& frame) {
  CTrView* pane = FrameTreePane(frame);
  CKestavonDoc* doc = pane ? pane->GetDocument() : nullptr;
  if (!doc) return;
  doc->CommitTextArea();
  CRepDlg dialog(frame.GetFrameWindow(), TRUE);
  if (dialog.ShowModal() != wxID_OK) return;
  ATREE& tree = doc->GetTree();
  const int item = PaneCurrentTree(*pane);
  if (item < 0 || item >= tree.GetDirDataCount()) return;
  CWaitCursor wait;
  doc->SaveUndo();
  int count = 0;
  const bool ran = RunGuardedSearch([&] {
    count = ReplaceLinkFileNames(tree, item, dialog.m_strFind, dialog.m_strReplace, dialog.m_bRegExp);
  });
  doc->SetModifiedFlag(TRUE);
  pane->RefillList(-1);
  if (!ran) return;
  CString message;
  message.Format("%d個を置換しました", count);
  AfxMessageBox(message);
}

}  // namespace

void BindTreeLinkCommands(CKestaFrame& frame) {
  frame.Bind(wxEVT_MENU, [&frame](wxCommandEvent&) { ReplaceLinkNames(frame); }, ID_EDIT_REPLACE_LINK_NAMES);
}
