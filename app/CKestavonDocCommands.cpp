// The outline document's own commands and services: templates, marks, link targets, categories,
// bookmarks, the file's folder and the title-as-first-line option.
#include <sys/stat.h>

#include <algorithm>

#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "app/CTemplateDlg.h"
#include "foundation/PathHelpers.h"
#include "model/CTreeUndo.h"
#include "platform/framework/CFrameWnd.h"
#include "platform/base/CodePage.h"
#include "platform/services/FileManager.h"
#include "platform/desktop/MessageBox.h"
#include "platform/base/RegularFile.h"

namespace {

bool FileExists(const CString& path) {
  struct stat st {};
  return stat(CP932ToUTF8(path.str()).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// The item's own title with "(無題)" counting as none.
CString FirstLineTitle(const ATREE& tree, int item) {
  CString title = tree.GetName(item);
  if (title == "(無題)") title.Empty();
  return title;
}

}  // namespace

CString CKestavonDoc::GetTemplateText() {
  const CDocProperties& properties = m_tree.GetProperties();
  if (!properties.m_bTemplateAuto || properties.m_templates.empty()) return CString();
  std::string bytes;
  if (!ReadRegularFile(properties.m_templates.front().m_strPath, bytes)) {
    AfxMessageBox("テンプレートファイルが開けません");
    return CString();
  }
  return CString(bytes);
}

int CKestavonDoc::FindNextMark(int from) const {
  for (int i = std::max(from, 0); i < m_tree.GetDirDataCount(); ++i)
    if (m_tree.GetBookmark(i) != 0) return i;
  return -1;
}

int CKestavonDoc::FindPrevMark(int from) const {
  for (int i = std::min(from, m_tree.GetDirDataCount() - 1); i >= 1; --i)
    if (m_tree.GetBookmark(i) != 0) return i;
  return -1;
}

CString CKestavonDoc::GetLinkTarget(int item) {
  if (item == -1) item = m_nCurTree;
  if (item < 0 || item >= m_tree.GetDirDataCount()) return CString();
  const CString link = m_tree.GetLink(item);
  if (link.IsEmpty() || link.Find("://") >= 0) return link;
  // Links stored on Windows may start with a backslash; both separators mark an absolute path.
  if (link.Find(':') >= 0 || link[0] == '\\' || link[0] == '/') return link;
  if (link.Left(3) == ".//") return link;
  const CString path = GetPathName();
  if (path.ReverseFind('/') < 0) {
    AfxMessageBox("リンクが相対パスです。ファイルを保存してください");
    return CString();
  }
  return ResolveRelativePath(path, link);
}

void CKestavonDoc::JumpToLink(const CLinkPath& link) {
  const int item = m_tree.FindTreeByLink(link);
  if (item < 0) return;
  m_tree.ShowTree(item);
  m_tree.MakeTreeData();
  RefillTreeViews(item);
}

void CKestavonDoc::InsertTitleFirstLines() {
  CommitTextArea();
  SaveUndo();
  for (int i = 0; i < m_tree.GetDirDataCount(); ++i) {
    const CString title = FirstLineTitle(m_tree, i);
    const CString text = m_tree.GetText(i);
    const int end = text.Find("\r\n");
    const CString first = end < 0 ? text : text.Left(end);
    if (first != title) m_tree.SetText(i, title + "\r\n" + text);
  }
  SetModifiedFlag(TRUE);
  m_tree.MakeTreeData();
  RefillTreeViews(-1);
}

void CKestavonDoc::RemoveTitleFirstLines() {
  CommitTextArea();
  SaveUndo();
  for (int i = 0; i < m_tree.GetDirDataCount(); ++i) {
    const CString title = FirstLineTitle(m_tree, i);
    const CString text = m_tree.GetText(i);
    const int end = text.Find("\r\n");
    if (end < 0) {
      if (text == title) m_tree.SetText(i, "");
    } else if (text.Left(end) == title) {
      m_tree.SetText(i, text.Mid(end + 2));
    }
  }
  SetModifiedFlag(TRUE);
  m_tree.MakeTreeData();
  RefillTreeViews(-1);
}

void CKestavonDoc::OnTemplateSettings(wxCommandEvent&) {
  CTemplateDlg dialog(AfxGetMainFrameWindow(), &m_tree.GetProperties().m_templates);
  dialog.ShowModal();
  // The dialog changes the list in place, so whatever the answer the document may differ.
  SetModifiedFlag(TRUE);
}

void CKestavonDoc::OnTemplateAuto(wxCommandEvent&) {
  int& flag = m_tree.GetProperties().m_bTemplateAuto;
  flag = !flag;
}

void CKestavonDoc::OnUpdateTemplateAuto(wxUpdateUIEvent& event) {
  event.Check(m_tree.GetProperties().m_bTemplateAuto != 0);
}

void CKestavonDoc::EditCategories(const std::function<BOOL()>& edit) {
  CommitTextArea();
  // The dialog renumbers the items as it goes, so the state to undo to is taken before it runs.
  auto before = std::make_unique<CTreeUndo>(m_tree, m_nCurTree);
  if (!edit()) return;
  m_undo.Push(std::move(before));
  m_tree.MakeTreeData();
  SetModifiedFlag(TRUE);
  RefillTreeViews(-1);
}

void CKestavonDoc::OnAddBookmark(wxCommandEvent&) {
  const CString path = GetPathName();
  if (path.IsEmpty()) {
    AfxMessageBox("保存を行ってください");
    return;
  }
  if (AfxMessageBox("ブックマークに追加します", MB_OKCANCEL) != IDOK) return;
  if (CKestavonApp* app = GetKestavonApp()) {
    app->m_bookmarkFiles.Add(path);
    app->m_bookmarkFiles.Save();
  }
}

void CKestavonDoc::OnUpdateAddBookmark(wxUpdateUIEvent& event) {
  const CKestavonApp* app = GetKestavonApp();
  event.Enable(!GetPathName().IsEmpty() && app && app->m_bookmarkFiles.Find(GetPathName()) == -1);
}

void CKestavonDoc::OnOpenFileFolder(wxCommandEvent&) {
  const CString path = GetPathName();
  if (!FileExists(path) || ShowInFileManager(path)) return;
  const int slash = path.ReverseFind('/');
  AfxMessageBox("フォルダを開くことができません：" + (slash > 0 ? path.Left(slash) : path), MB_OK | MB_ICONEXCLAMATION);
}
