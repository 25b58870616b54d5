// Links of the tree pane: opening the selected item's link (creating a link file first when it has
// none), copying a link to the item, the external editor, and the program start they share.
#include <wx/clipbrd.h>
#include <wx/dataobj.h>

#include <unistd.h>

#include "app/CEdSetDlg.h"
#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "app/LinkFileName.h"
#include "app/StartProgram.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "model/CLinkPath.h"
#include "model/DocumentTreeLink.h"
#include "platform/framework/CFrameWnd.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "platform/base/PrivateProfile.h"
#include "platform/base/RegularFile.h"
#include "platform/desktop/Shell.h"
#include "resources/CommandIds.h"
#include "treeview/CLinkFileDlg.h"
#include "treeview/CNewLinkFileDlg.h"
#include "treeview/CTrView.h"
#include "treeview/CTreeEditDlg.h"

namespace {

constexpr const char* kRelativeUnsaved = "リンクが相対パスです。ファイルを保存してください";


BOOL PutClipboardText(const CString& text) {
  wxClipboardLocker lock;
  if (!lock) return FALSE;
  wxTheClipboard->Clear();
  return wxTheClipboard->SetData(new wxTextDataObject(CP932ToWx(text.str())));
}

BOOL CanRead(const CString& path) {
  const int fd = OpenRegularFile(path);
  if (fd < 0) return FALSE;
  close(fd);
  return TRUE;
}

}  // namespace

CString CTrView::ResolveShortcut(const char* path) {
  char address[2048] = {};
  GetPrivateProfileString("InternetShortcut", "URL", "", address, sizeof(address), path);
  return address[0] != '\0' ? CString(address) : CString(path);
}

CString CTrView::MakeTreeLinkText(int item, const char* filePart) const {
  CKestavonDoc* doc = GetDocument();
  if (!doc || item < 0 || item >= doc->GetTree().GetDirDataCount()) return CString();
  CLinkPath link;
  doc->GetTree().GetTreeLinkText(item, link);
  link.SetPath(filePart);
  return link.MakeTreeLink(TRUE);
}

void CTrView::OnCopyLink(wxCommandEvent& event) {
  int item = -1;
  CKestavonDoc* doc = BeginEdit(item);
  if (!doc) return;
  const CString path = doc->GetPathName();
  CString filePart = ".";
  if (event.GetId() == ID_TREE_COPY_LINK_OTHER) filePart = path;
  if (event.GetId() == ID_TREE_COPY_LINK_FOLDER) filePart = path.Mid(path.ReverseFind('/') + 1);
  PutClipboardText(MakeTreeLinkText(item, filePart));
}

void CTrView::OnOpenLink(wxCommandEvent&) {
  if (ReadSetting(Settings::System::LinkCheck) &&
      AfxMessageBox("リンクファイルを起動しますか？", MB_OKCANCEL | MB_ICONQUESTION) != IDOK) {
    return;
  }
  int item = -1;
  CKestavonDoc* doc = BeginEdit(item);
  if (!doc) return;
  const CString text = doc->GetTree().GetLink(item);
  if (text.IsEmpty()) {
    CreateLinkFile(item);
    return;
  }
  if (IsTreeLinkOfDocument(text, doc->GetPathName())) {
    const CLinkPath link(text);
    if (link.IsSameFile(doc->GetPathName())) {
      doc->JumpToLink(link);
      return;
    }
    const CString file = ATREE::MakeFullPath(doc->GetPathName(), link.GetPath());
    if (file.IsEmpty()) {
      AfxMessageBox(kRelativeUnsaved);
      return;
    }
    // Another outline opens in this program, as a window of its own, and shows the tree.
    CKestavonApp* app = GetKestavonApp();
    auto* other = app ? dynamic_cast<CKestavonDoc*>(app->OpenDocumentFile(file)) : nullptr;
    if (other) other->JumpToLink(link);
    return;
  }
  const CString target = doc->GetLinkTarget(item);
  if (target.IsEmpty()) return;
  if (target.Find("://") >= 0) {
    if (CKestavonApp* app = GetKestavonApp()) app->OpenUrl(target);
    return;
  }
  if (OpenLink(this, target) == 1) StartProgram(this, m_strEditor, target);
}

void CTrView::CreateLinkFile(int item) {
  CKestavonDoc* doc = GetDocument();
  CKestavonApp* app = GetKestavonApp();
  if (!doc || !app) return;
  ATREE& tree = doc->GetTree();
  const CString docPath = doc->GetPathName();
  CLinkFileDlg dialog(this);
  dialog.m_strFileName = MakeLinkFileName(app->m_settings, tree.GetName(item), docPath, "");
  if (dialog.ShowModal() != wxID_OK) return;
  auto setLink = [&](const CString& name) {
    tree.RenameTree(item, tree.GetName(item), name);
    doc->SetModifiedFlag(TRUE);
    UpdateStatusBar();
    RefillList(-1);
    const CString full = ATREE::MakeFullPath(docPath, name);
    return full.IsEmpty() ? name : full;
  };
  doc->SaveUndo();
  CString path = setLink(dialog.m_strFileName);
  if (!CanRead(path)) {
    CNewLinkFileDlg create(this);
    create.m_strFileName = dialog.m_strFileName;
    if (create.ShowModal() != wxID_OK) return;
    path = setLink(create.m_strFileName);
    CTreeEditDlg writer(this);
    writer.m_strTitle = tree.GetName(item);
    writer.m_strText = tree.GetText(item);
    if (!writer.WriteNewLinkFile(path, create.m_bTitle, create.m_bBody)) return;
  }
  OpenLink(this, path);
}

void CTrView::OnSetEditor(wxCommandEvent&) {
  CEdSetDlg dialog(this);
  dialog.m_strEditor = m_strEditor;
  if (dialog.ShowModal() != wxID_OK) return;
  m_strEditor = dialog.m_strEditor;
  WriteSetting(Settings::System::Editor, m_strEditor);
}

void CTrView::OnRunEditor(wxCommandEvent& event) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  doc->CommitTextArea();
  const CString path = doc->GetPathName();
  // A document that is not an outline file is edited as the file it is.
  if (!path.IsEmpty() && !HasExtension(path, ".kvn")) {
    StartProgram(this, m_strEditor, path);
    return;
  }
  if (m_strEditor.IsEmpty()) {
    if (AfxMessageBox("エディタが設定されていません。設定しますか？", MB_OKCANCEL | MB_ICONQUESTION) == IDOK) {
      Resend(ID_SETTINGS_EDITOR);
    }
    return;
  }
  OnPassToText(event);
}
