// The outline, or the selected tree with its subtree, copied to the clipboard as the text output
// writes it. Folded items are copied too; the folding is left as it was.
#include <wx/clipbrd.h>
#include <wx/dataobj.h>

#include <vector>

#include "app/CKestavonDoc.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "model/CDirData.h"
#include "platform/desktop/CWaitCursor.h"
#include "platform/base/CodePage.h"
#include "treeview/COwnerListBox.h"
#include "treeview/CTrView.h"
#include "treeview/OutlineTextOutput.h"

namespace {

constexpr int kNoOutputBit = 16;  // the item's title output is "none"

}  // namespace

void CTrView::OnTextCopy(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  IOutlineTextOutput* output = Seam<IOutlineTextOutput>::Get();
  if (!doc || !output || !m_pListBox) return;
  doc->CommitTextArea();
  CWaitCursor wait;
  ATREE& tree = doc->GetTree();
  const ATREE folded(tree);
  const int start = ReadSetting(Settings::Text::SelectOnly) ? m_pListBox->GetCurTree() : 0;
  const int html = ReadSetting(Settings::Text::Html);
  const int level = ReadSetting(Settings::Text::Level);
  tree.ExpandAll(0);
  const int first = start < 0 ? 0 : start;
  const int end = start < 0 ? tree.GetDirDataCount() : tree.GetNextSibling(first, TRUE);
  std::vector<int> items;
  for (int i = first; i < end; ++i) {
    if (level > 0 && tree.GetLevel(i) > level) continue;
    if (tree.GetDirData(i)->m_nStatus & kNoOutputBit) continue;
    items.push_back(i);
  }
  const CString text = output->MakeOutlineText(tree, items, html);
  {
    wxClipboardLocker lock;
    if (!!lock) wxTheClipboard->SetData(new wxTextDataObject(CP932ToWx(text.str())));
  }
  tree = folded;
  tree.MakeTreeData();
  RefillList(-1);
}

void CTrView::OnUpdateTextCopy(wxUpdateUIEvent& event) { event.Enable(Seam<IOutlineTextOutput>::Get() != nullptr); }
