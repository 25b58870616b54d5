// Commands that move the text between the control and files or other programs: a text file read
// in at the selection, the text written to a file or kept as a template of the document, the text
// edited in an outside editor, and the selection looked up on the web.
#include <fcntl.h>
#include <unistd.h>

#include <wx/event.h>

#include <cerrno>
#include <string>
#include <thread>

#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "foundation/CFileDialogEx.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "model/ATREE.h"
#include "platform/base/AtomicFile.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "platform/base/Places.h"
#include "platform/desktop/Shell.h"
#include "resources/CommandIds.h"
#include "textarea/CIEditView.h"
#include "app/COtherEditDlg.h"
#include "app/CTemplateDlg.h"
#include "textarea/TextPaneTexts.h"
#include "platform/base/RegularFile.h"

namespace {

// Any search engine's query address does; this one asks for nothing but the query.

// Where a chooser starts: the folder of the path last chosen with it.
CString FolderOf(const CString& path) {
  const int slash = path.ReverseFind('/');
  return slash < 0 ? CString() : path.Left(slash);
}

// The bytes of a file; FALSE when it cannot be read.
BOOL ReadFileBytes(const char* path, CString& bytes) {
  std::string data;
  if (!ReadRegularFile(path, data)) return FALSE;
  bytes = CString(std::move(data));
  return TRUE;
}

}  // namespace

void CIEditView::BindTextFileCommands() {
  Bind(wxEVT_MENU, &CIEditView::OnReadTextFile, this, ID_EDIT_READ_TEXT_FILE);
  Bind(wxEVT_MENU, &CIEditView::OnReadTextFile, this, ID_FILE_TEXTAREA_INSERT);
  Bind(wxEVT_MENU, &CIEditView::OnWriteTextFile, this, ID_FILE_TEXTAREA_SAVE);
  Bind(wxEVT_MENU, &CIEditView::OnWriteTextFile, this, ID_FILE_TEXTAREA_SAVE_TEMPLATE);
  Bind(wxEVT_MENU, &CIEditView::OnOutsideEditor, this, ID_SETTINGS_RUN_EDITOR);
  Bind(wxEVT_MENU, &CIEditView::OnWebSearch, this, ID_EDIT_WEB_SEARCH);
  Bind(wxEVT_MENU, &CIEditView::OnInsertTemplate, this, ID_EDIT_INSERT_TEMPLATE);
}

void CIEditView::OnReadTextFile(wxCommandEvent& event) {
  const bool fileText = event.GetId() == ID_EDIT_READ_TEXT_FILE;
  const TextSetting& chosen = fileText ? Settings::InitDir::FileText : Settings::InitDir::TextIn;
  CFileDialogEx dialog(TRUE, "TXT", "*.TXT", OFN_HIDEREADONLY, "ﾃｷｽﾄﾌｧｲﾙ(*.TXT) |*.TXT| 全てのﾌｧｲﾙ(*.*) |*.*||",
                       this);
  if (fileText) dialog.m_ofn.lpstrTitle = "ﾌｧｲﾙ名の入力";
  dialog.m_ofn.lpstrInitialDir = FolderOf(ReadSetting(chosen));
  if (dialog.DoModal() != IDOK) return;
  WriteSetting(chosen, dialog.GetPathName());
  InsertTextFile(dialog.GetPathName());
}

BOOL CIEditView::InsertTextFile(const char* path) {
  CString text;
  if (!ReadTextFileLines(path, text)) {
    AfxMessageBox("ファイルが見つかりません");
    return FALSE;
  }
  GetEditCtrl().ReplaceSel(text);
  return TRUE;
}

void CIEditView::OnWriteTextFile(wxCommandEvent& event) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  const bool asTemplate = event.GetId() == ID_FILE_TEXTAREA_SAVE_TEMPLATE;
  const TextSetting& chosen = asTemplate ? Settings::InitDir::TemplateOut : Settings::InitDir::TextOut;
  const CString title = CurrentTitle();
  CFileDialogEx dialog(FALSE, "txt", TextFileNameForTitle(title), 0x80E,
                       "ﾃｷｽﾄﾌｧｲﾙ(*.txt) |*.TXT|HTMLﾌｧｲﾙ(*.htm) |*.htm||", this);
  dialog.m_ofn.lpstrInitialDir = FolderOf(ReadSetting(chosen));
  if (dialog.DoModal() != IDOK) return;
  WriteSetting(chosen, dialog.GetPathName());
  if (asTemplate)
    SaveTextAsTemplate(dialog.GetPathName());
  else
    WriteTextFile(dialog.GetPathName());
}

CString CIEditView::CurrentTitle() const {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return CString();
  const int item = doc->GetCurrentTree();
  return item >= 0 && item < doc->GetTree().GetDirDataCount() ? doc->GetTree().GetName(item) : CString();
}

BOOL CIEditView::WriteTextFile(const char* path) {
  const CString text = GetEditCtrl().GetText();
  if (!WriteFileAtomically(path, std::string_view(text.GetString(), static_cast<size_t>(text.GetLength())))) {
    AfxMessageBox(CString("ファイルを保存できません\n") + path, MB_ICONSTOP);
    return FALSE;
  }
  return TRUE;
}

BOOL CIEditView::SaveTextAsTemplate(const char* path) {
  CKestavonDoc* doc = GetDocument();
  if (!doc || !WriteTextFile(path)) return FALSE;
  CTemplateFile entry;
  entry.m_strText = CurrentTitle();
  entry.m_strPath = path;
  doc->GetTree().GetProperties().m_templates.push_back(entry);
  return TRUE;
}

void CIEditView::OnInsertTemplate(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  // The dialog edits the document's list in place.
  doc->SetModifiedFlag(TRUE);
  CTemplateDlg dialog(this, &doc->GetTree().GetProperties().m_templates);
  if (dialog.ShowModal() != wxID_OK) return;
  const auto& templates = doc->GetTree().GetProperties().m_templates;
  if (dialog.m_nSel >= 0 && dialog.m_nSel < static_cast<int>(templates.size()))
    InsertTemplateFile(templates[dialog.m_nSel].m_strPath);
  else
    GetEditCtrl().ReplaceSel("");
}

BOOL CIEditView::InsertTemplateFile(const char* path) {
  CString text;
  if (!ReadFileBytes(path, text)) {
    AfxMessageBox("テンプレートファイルが開けません");
    return FALSE;
  }
  // The text ends at its first NUL, as a C string read from the file would.
  const int end = text.Find('\0');
  GetEditCtrl().ReplaceSel(end < 0 ? text : text.Left(end));
  return TRUE;
}

void CIEditView::OnOutsideEditor(wxCommandEvent&) {
  RunOutsideEditor([this](pid_t) {
    COtherEditDlg wait(this);
    wait.ShowModal();
  });
}

BOOL CIEditView::RunOutsideEditor(const std::function<void(pid_t)>& waitForUser) {
  CWrilaCtrl& edit = GetEditCtrl();
  edit.SetReadOnly(TRUE);
  const BOOL done = EditInOutsideEditor(waitForUser);
  // Whatever happened on the way, the user can type again.
  edit.SetReadOnly(FALSE);
  CKestavonDoc* doc = GetDocument();
  if (done && doc && doc->GetTree().GetProperties().m_bAutoTitle) UpdateTitleFromText();
  return done;
}

BOOL CIEditView::EditInOutsideEditor(const std::function<void(pid_t)>& waitForUser) {
  CWrilaCtrl& edit = GetEditCtrl();
  std::string path = CP932ToUTF8(GetTempFolder().GetString()) + "kvnXXXXXX";
  const int fd = mkstemp(path.data());
  const CString text = edit.GetText();
  bool written = fd >= 0;
  for (size_t at = 0; written && at < static_cast<size_t>(text.GetLength());) {
    const ssize_t n = write(fd, text.GetString() + at, static_cast<size_t>(text.GetLength()) - at);
    if (n < 0 && errno == EINTR) continue;
    written = n > 0;
    if (written) at += static_cast<size_t>(n);
  }
  if (fd >= 0 && close(fd) != 0) written = false;
  const CString file = UTF8ToCP932(path);
  if (!written) {
    if (fd >= 0) unlink(path.c_str());
    AfxMessageBox("一時ファイルを作成できません", MB_ICONSTOP);
    return FALSE;
  }
  // An argument vector: the file name never passes through a shell.
  const CString editor = ReadSetting(Settings::System::Editor);
  const pid_t pid = StartProgram({editor, file});
  if (pid < 0) {
    unlink(path.c_str());
    AfxMessageBox(CString("外部エディタを起動できません\n") + editor, MB_ICONSTOP);
    return FALSE;
  }
  waitForUser(pid);
  // The editor may still run (an opener hands the file on and ends): it is collected when it ends,
  // so that it leaves no zombie.
  std::thread([pid] { WaitProgram(pid); }).detach();
  CString edited;
  const BOOL read = ReadFileBytes(file, edited);
  unlink(path.c_str());
  if (!read) {
    AfxMessageBox("一時ファイルを読み込めません", MB_ICONSTOP);
    return FALSE;
  }
  // An editor closed without a change leaves the text, its caret and the document as they were.
  if (edited == text) return TRUE;
  edit.SetLongText(edited);
  // The text differs from the item's now: it goes back at the next write-back like typed text.
  edit.SetModified(TRUE);
  OnTextEdited();
  return TRUE;
}

void CIEditView::OnWebSearch(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  const int item = doc->GetCurrentTree();
  const ATREE& tree = doc->GetTree();
  const CString link = item >= 0 && item < tree.GetDirDataCount() ? tree.GetDirData(item)->m_strLink.Get() : CString();
  const CString address =
      FillWebSearchAddress(ReadSetting(Settings::System::NetSearchCommand), GetEditCtrl().GetSelText(),
                           ReadSetting(Settings::System::NetSearchUni), CurrentTitle(), link, doc->GetPathName());
  OpenLinkTarget(this, address);
}
