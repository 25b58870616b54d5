// Links in the text: a tree link opens its tree (in this outline or in another outline file), any
// other link goes to the application's opener; and a link to a file can be written into the text.
#include <wx/event.h>

#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "foundation/CFileDialogEx.h"
#include "foundation/PathHelpers.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "model/ATREE.h"
#include "model/CLinkPath.h"
#include "model/DocumentTreeLink.h"
#include "platform/desktop/MessageBox.h"
#include "resources/CommandIds.h"
#include "textarea/CIEditView.h"
#include "textarea/TextPaneTexts.h"
#include "textarea/TextPaneTools.h"

void CIEditView::BindLinkCommands() {
  Bind(wxEVT_MENU, &CIEditView::OnInsertFileLink, this, ID_EDIT_INSERT_FILE_LINK);
  Bind(wxEVT_MENU, &CIEditView::OnInsertTreeLink, this, ID_EDIT_INSERT_TREE_LINK);
  Bind(wxEVT_UPDATE_UI, [](wxUpdateUIEvent& event) {
    event.Enable(Seam<ITreePicker>::Get() != nullptr);
  }, ID_EDIT_INSERT_TREE_LINK);
}

void CIEditView::OnInsertTreeLink(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  ITreePicker* picker = Seam<ITreePicker>::Get();
  if (!doc || !picker) return;
  ATREE& tree = doc->GetTree();
  int item = doc->GetCurrentTree();
  if (!picker->PickTree(this, tree, item) || item < 0 || item >= tree.GetDirDataCount()) return;
  CLinkPath link;
  tree.GetTreeLinkText(item, link);
  // A link into this outline names it by ".", so that it survives the file being moved.
  link.SetPath(".");
  GetEditCtrl().ReplaceSel(link.MakeTreeLink(TRUE));
}

void CIEditView::OpenLink(const char* url) {
  SaveText();
  CKestavonDoc* doc = GetDocument();
  CKestavonApp* app = GetKestavonApp();
  if (!doc) return;
  const CString documentPath = doc->GetPathName();
  if (IsTreeLinkOfDocument(url, documentPath)) {
    const CLinkPath link(url);
    if (link.IsSameFile(documentPath)) {
      doc->JumpToLink(link);
      return;
    }
    CString file = link.GetPath();
    if (file.Find('.') == 0) file = ResolveRelativePath(documentPath, file);
    // Opening a document that is open already brings it forward.
    auto* other = app ? dynamic_cast<CKestavonDoc*>(app->OpenDocumentFile(file)) : nullptr;
    if (other) other->JumpToLink(link);
    return;
  }
  if (app) app->OpenUrl(CLinkPath::MakeAbsolute(url, documentPath));
}

void CIEditView::OnInsertFileLink(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  CFileDialogEx dialog(TRUE, "*", "*.*", OFN_HIDEREADONLY, "全てのﾌｧｲﾙ(*.*) |*.*||", this);
  dialog.m_ofn.lpstrTitle = "ファイルリンクの挿入";
  if (dialog.DoModal() != IDOK) return;
  GetEditCtrl().ReplaceSel(MakeFileLinkText(dialog.GetPathName(), doc->GetPathName(),
                                            ReadSetting(Settings::System::FileLinkRelPath),
                                            ReadSetting(Settings::System::FileLink)));
}
