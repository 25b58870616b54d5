#include "app/CKestavonDoc.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

#include "app/CKestavonApp.h"
#include "app/NetDocumentService.h"
#include "app/ProgramDialogs.h"
#include "foundation/CFileBackup.h"
#include "foundation/PathHelpers.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "model/dialogs/CCryptDlg.h"
#include "model/dialogs/CDocInfoDlg.h"
#include "model/KvnCrypt.h"
#include "model/CTreeUndo.h"
#include "model/NetPath.h"
#include "platform/framework/CFrameWnd.h"
#include "platform/framework/CView.h"
#include "platform/desktop/CWaitCursor.h"
#include "platform/base/CodePage.h"
#include "platform/framework/FrameworkIds.h"
#include "platform/desktop/MessageBox.h"

wxBEGIN_EVENT_TABLE(CKestavonDoc, CDocument)
  EVT_MENU(ID_FILE_SAVE, CKestavonDoc::OnFileSave)
  EVT_UPDATE_UI(ID_FILE_SAVE, CKestavonDoc::OnUpdateFileSave)
  EVT_MENU(ID_FILE_SAVE_AS, CKestavonDoc::OnFileSaveAs)
  EVT_MENU(ID_SETTINGS_TEMPLATES, CKestavonDoc::OnTemplateSettings)
  EVT_MENU(ID_SETTINGS_TEMPLATE_AUTO, CKestavonDoc::OnTemplateAuto)
  EVT_UPDATE_UI(ID_SETTINGS_TEMPLATE_AUTO, CKestavonDoc::OnUpdateTemplateAuto)
  EVT_MENU(ID_FILE_BOOKMARK_ADD, CKestavonDoc::OnAddBookmark)
  EVT_UPDATE_UI(ID_FILE_BOOKMARK_ADD, CKestavonDoc::OnUpdateAddBookmark)
  EVT_MENU(ID_FILE_OPEN_FOLDER, CKestavonDoc::OnOpenFileFolder)
  EVT_MENU(ID_HELP_DOC_INFO, CKestavonDoc::OnDocInfo)
  EVT_MENU(ID_FILE_NET_UPLOAD, CKestavonDoc::OnNetUpload)
  EVT_UPDATE_UI(ID_FILE_NET_UPLOAD, CKestavonDoc::OnUpdateNetCommand)
  EVT_MENU(ID_FILE_SAVE_AS_NET, CKestavonDoc::OnFileSaveAsNet)
  EVT_UPDATE_UI(ID_FILE_SAVE_AS_NET, CKestavonDoc::OnUpdateNetCommand)
wxEND_EVENT_TABLE()

namespace {

bool EndsWithStar(const CString& text) { return !text.IsEmpty() && text[text.GetLength() - 1] == '*'; }

void SetDocumentPasswords(CKestavonDoc& doc) {
  CDocProperties& properties = doc.GetTree().GetProperties();
  CCryptDlg dlg(AfxGetMainFrameWindow());
  dlg.m_strReadHash = properties.m_strReadPassword;
  dlg.m_strWriteHash = properties.m_strWritePassword;
  if (dlg.DoModal() != IDOK) return;
  doc.SaveUndo();
  // A password left as its placeholder stays; an emptied one is removed. The next save writes the
  // enciphered file while either is set.
  if (dlg.m_strReadText != CCryptDlg::kPlaceholder) properties.m_strReadPassword = PasswordHash(dlg.m_strReadText);
  if (dlg.m_strWriteText != CCryptDlg::kPlaceholder) properties.m_strWritePassword = PasswordHash(dlg.m_strWriteText);
  doc.SetModifiedFlag(TRUE);
}

}  // namespace

CKestavonDoc::CKestavonDoc() : m_timeCreate(COleDateTime::GetCurrentTime()), m_timeSave(m_timeCreate) {
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { SetDocumentPasswords(*this); }, ID_FILE_PASSWORD);
}

CKestavonDoc::~CKestavonDoc() = default;

FileStamp CKestavonDoc::StampOf(const char* path) { return FileStampOf(CP932ToUTF8(path)); }

void CKestavonDoc::SetTitle(const char* title) {
  const CString given(title ? title : "");
  if (IsNetFilePath(m_strPathName)) {
    CDocument::SetTitle(given);
    return;
  }
  if (!ReadSetting(Settings::System::TitleBarFullPath)) {
    CDocument::SetTitle(given.Mid(given.ReverseFind('/') + 1));
    return;
  }
  CDocument::SetTitle(given);
  if (!m_strPathName.IsEmpty()) CDocument::SetTitle(EndsWithStar(given) ? m_strPathName + '*' : m_strPathName);
}

void CKestavonDoc::MakeEmptyOutline() {
  m_tree.RemoveAll();
  m_tree.AppendTree("（無題）");
  m_tree.SetLoaded();
}

void CKestavonDoc::AddTreeFromCommandLine(const char* title, const char* link) {
  CommitTextArea();
  CString name(title);
  CString text = m_tree.GetProperties().m_bAutoTitle ? name : CString();
  const int item = m_nCurTree == 0 ? m_tree.InsertTree(0, name, link, text, 0, 0, 1, nullptr, TRUE)
                                   : m_tree.InsertSibling(m_nCurTree, name, link, text, 0, 0, nullptr, FALSE);
  if (item < 0) return;
  m_tree.ShowTree(item);
  m_tree.MakeTreeData();
  m_nCurTree = item;
  SetModifiedFlag(TRUE);
  RefillTreeViews(item);
}

void CKestavonDoc::RefillTreeViews(int item) {
  const int row = item < 0 ? -1 : m_tree.GetRows().GetRowIndex(item);
  CRowsHint hint(row);
  UpdateAllViews(nullptr, kHintRowsRebuilt, &hint);
}

BOOL CKestavonDoc::OnNewDocument() {
  if (!CDocument::OnNewDocument()) return FALSE;
  MakeEmptyOutline();
  m_undo.SetSavePoint();
  return TRUE;
}

void CKestavonDoc::SetPathName(const char* path, BOOL addToMRU) {
  if (!IsNetFilePath(path)) {
    CDocument::SetPathName(path, addToMRU);
    return;
  }
  m_strPathName = CString(path).Left(kMaxNetPath);
  const CString title = GetNetFileTitle(m_strPathName);
  CDocument::SetTitle(IsModified() ? title + '*' : title);
  if (addToMRU)
    if (CWinApp* app = AfxGetApp()) app->AddToRecentFileList(m_strPathName);
}

BOOL CKestavonDoc::OnOpenDocument(const char* path) {
  INetDocumentService* net = Seam<INetDocumentService>::Get();
  if (IsNetFilePath(path)) {
    if (!net || !net->OpenNetFile(*this, path)) return FALSE;
    m_undo.SetSavePoint();
    WriteSetting(Settings::System::IniFile, path);
    return TRUE;
  }
  if (!OpenDocument(path, 0)) return FALSE;
  // A file replaced by the newer copy is the one this document now knows.
  if (net && net->CheckNetFileUpdate(*this, path)) {
    m_fileTime = StampOf(path);
    m_undo.SetSavePoint();
    SetModifiedFlag(FALSE);
  }
  return TRUE;
}

BOOL CKestavonDoc::OpenDocument(const char* path, int mode) {
  // The document counts as changed while it loads: a half-read outline is never "saved".
  SetModifiedFlag(TRUE);
  DeleteContents();
  const CString file(path);
  if (ReadSetting(Settings::System::NoToNewFile) && access(CP932ToUTF8(file.str()).c_str(), F_OK) != 0 &&
      errno == ENOENT) {
    if (AfxMessageBox(file + "がありません。新規に作成しますか？", MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
      return FALSE;
    MakeEmptyOutline();
    SetPathName(file, TRUE);
    m_undo.SetSavePoint();
    SetModifiedFlag(FALSE);
    return TRUE;
  }
  int result;
  const unsigned boxesBefore = GetMessageBoxCount();
  {
    CWaitCursor wait;
    result = m_tree.OpenFile(file, mode, 1);
  }
  if (result < 0) {
    // A reader that failed has mostly said why, with the path; a further box would only repeat it.
    if (GetMessageBoxCount() == boxesBefore) AfxMessageBox("ファイルを開くことに失敗しました：" + file);
    return FALSE;
  }
  m_fileTime = StampOf(file);
  if (mode == 2) {
    // An imported folder stays untitled, and its outline is in no file yet: closing must ask.
    m_undo.ForgetSavePoint();
    return TRUE;
  }
  m_undo.SetSavePoint();
  SetModifiedFlag(FALSE);
  SetPathName(file, TRUE);
  WriteSetting(Settings::System::IniFile, file);
  return TRUE;
}

BOOL CKestavonDoc::OnSaveDocument(const char* path) {
  const CString file(path);
  if (IsNetFilePath(file)) {
    if (!Seam<INetDocumentService>::Get() ||
        AfxMessageBox("Pelko Webファイルへのアップロードを行いますか？", MB_YESNO) != IDYES)
      return FALSE;
    return UploadNetDocument(file);
  }
  const FileStamp onDisk = StampOf(file);
  if (onDisk.exists && !(onDisk == m_fileTime)) {
    if (AfxMessageBox("ファイルが更新されている可能性があります。上書き保存しますか？", MB_YESNO) != IDYES)
      return FALSE;
  }
  m_timeSave = COleDateTime::GetCurrentTime();
  m_timeWebUpdate = m_timeSave;
  if (!SaveFile(file, FALSE)) return FALSE;
  AutoUpload(m_strPathName);
  m_fileTime = StampOf(m_strPathName);
  return TRUE;
}

void CKestavonDoc::AutoUpload(const char* path) {
  INetDocumentService* net = Seam<INetDocumentService>::Get();
  const int option = m_tree.GetProperties().m_nUploadOption;
  if (!net || (option != 1 && option != 2)) return;
  if (option == 1 && AfxMessageBox("Pelko Webファイルへのアップロードを行いますか？", MB_YESNO) != IDYES) return;
  net->UploadNetFile(*this, m_tree.GetNetPathName(), TRUE);
  // The file is no older than its copy on the service, so a later compare does not offer it back.
  const std::string file = CP932ToUTF8(path);
  struct stat info {};
  const std::time_t webTime = m_timeWebUpdate.GetAsTimeT();
  if (webTime > 0 && stat(file.c_str(), &info) == 0 && info.st_mtime < webTime) {
    const struct timespec times[2] = {{0, UTIME_OMIT}, {webTime, 0}};
    utimensat(AT_FDCWD, file.c_str(), times, 0);
  }
}

BOOL CKestavonDoc::UploadNetDocument(const char* netPath) {
  INetDocumentService* net = Seam<INetDocumentService>::Get();
  return net && net->UploadNetFile(*this, netPath, FALSE);
}

BOOL CKestavonDoc::SaveFile(const char* path, BOOL direct) {
  CString file(path);
  // A net document has no file here: its save is the upload the Save command makes, and a copy of
  // it has no folder to go to. No file is ever named after a net path.
  if (IsNetFilePath(file)) return direct ? FALSE : UploadNetDocument(file);
  if (!direct) {
    while (!IsWritable(file)) {
      AfxMessageBox("読み取り専用です。別のファイル名で保存するか、キャンセルしてください。");
      file = DoSaveAsDialog();
      if (file.IsEmpty()) return FALSE;
    }
  }
  CommitTextArea();
  RememberPositions();
  if (!direct) {
    if (file != m_strPathName) m_tree.GetLock().RemoveLockFile();
    if (ReadSetting(Settings::System::Backup)) CFileBackup().Backup(file);
  }
  const int written = direct ? m_tree.WriteByExtension(file) : m_tree.SaveFile(file);
  if (!written) {
    AfxMessageBox("保存に失敗しました");
    return FALSE;
  }
  if (!direct) {
    m_undo.SetSavePoint();
    SetModifiedFlag(FALSE);
    WriteSetting(Settings::System::IniFile, file);
    SetPathName(file, TRUE);
    UpdateFrameCounts();
  }
  return TRUE;
}

BOOL CKestavonDoc::IsWritable(const char* path) { return m_tree.IsWritable(path); }

CString CKestavonDoc::GetSaveFolder() {
  const int slash = m_strPathName.ReverseFind('/');
  if (m_strPathName.IsEmpty() || slash < 0) return ReadSetting(Settings::System::IniFolder);
  return m_strPathName.Left(slash);
}

CString CKestavonDoc::DoSaveAsDialog() {
  // File types of the chooser, 1-based; 0 offers every file.
  static const char* const kTypeExtensions[] = {"*", "kvn", "txt", "mem"};
  constexpr int kWzType = 3;
  CKestavonApp* app = GetKestavonApp();
  ISaveAsChooser* chooser = Seam<ISaveAsChooser>::Get();
  if (!app || !chooser) return CString();
  int type = ReadSetting(Settings::File::SaveType);

  const CString firstTitle = m_tree.GetDirDataCount() > 0 ? m_tree.GetName(0) : CString();
  CString name = IsNetFilePath(m_strPathName) ? GetNetFileTitle(m_strPathName) : m_strPathName;
  BOOL firstNamedAfterFile = FALSE;
  if (name.IsEmpty()) {
    name = MakeValidFileName(firstTitle);
  } else {
    const int dot = name.ReverseFind('.');
    if (dot > name.ReverseFind('/')) {
      if (name.Mid(dot).CompareNoCase(".mem") == 0) type = kWzType;
      name = name.Left(dot);
    }
    firstNamedAfterFile = firstTitle == name.Mid(name.ReverseFind('/') + 1);
  }
  name += CString(".") + kTypeExtensions[type];

  wxWindow* parent = AfxGetMainWnd() ? AfxGetMainWnd()->GetFrameWindow() : nullptr;
  if (!chooser->ChooseSaveAs(parent, name, type, GetSaveFolder())) return CString();
  if (type == kWzType && firstNamedAfterFile) {
    CString base = name.Mid(name.ReverseFind('/') + 1);
    const int dot = base.ReverseFind('.');
    if (dot >= 0) base = base.Left(dot);
    m_tree.RenameTree(0, base, m_tree.GetLink(0));
    RefillTreeViews(0);
  }
  return name;
}

void CKestavonDoc::RememberPositions() {
  CDocProperties& properties = m_tree.GetProperties();
  properties.m_nFirstLine = m_nCurTree >= 0 && m_nCurTree < m_tree.GetDirDataCount() ? m_nCurTree : 0;
}

void CKestavonDoc::CommitTextArea() {
  if (CTextPane* text = GetTextView()) text->SaveText();
}

CTextPane* CKestavonDoc::GetTextView() const {
  // The pane the user works in first: with a split text area it holds the latest text.
  for (CView* view : GetViews()) {
    CFrameWnd* frame = view->GetParentFrame();
    CView* active = frame ? frame->GetActiveView() : nullptr;
    if (CTextPane* pane = active ? AsTextPane(*active) : nullptr) return pane;
  }
  for (CView* view : GetViews()) {
    if (CTextPane* pane = AsTextPane(*view)) return pane;
  }
  return nullptr;
}

CTreePane* CKestavonDoc::GetTreePane() const {
  for (CView* view : GetViews()) {
    if (CTreePane* pane = AsTreePane(*view)) return pane;
  }
  return nullptr;
}

CString CKestavonDoc::GetCurrentText() const {
  if (m_nCurTree < 0 || m_nCurTree >= m_tree.GetDirDataCount()) return CString();
  return m_tree.GetText(m_nCurTree);
}

void CKestavonDoc::SetCurrentText(const char* text, int caret) {
  if (m_nCurTree < 0 || m_nCurTree >= m_tree.GetDirDataCount() || !m_tree.IsLoaded()) return;
  if (m_tree.GetText(m_nCurTree) != text) {
    SaveUndo();
    const bool wasEmpty = m_tree.GetText(m_nCurTree).IsEmpty();
    m_tree.SetText(m_nCurTree, text);
    SetModifiedFlag(TRUE);
    m_tree.EditDirData(m_nCurTree)->m_updated = COleDateTime::GetCurrentTime();
    // The row's mark of a non-empty text changed with it.
    const int row = m_tree.GetRows().GetRowIndex(m_nCurTree);
    if (wasEmpty != (*text == '\0') && row >= 0 && row < m_tree.GetRows().GetTreeDataCount())
      if (CTreePane* tree = GetTreePane()) tree->RedrawItemRow(row);
  }
  m_tree.EditDirData(m_nCurTree)->m_nCaret = caret;
}

void CKestavonDoc::SetCurrentTitle(const char* title) {
  CTreePane* tree = GetTreePane();
  if (!tree) return;
  tree->RenameCurrentTree(title);
  CFrameWnd* frame = nullptr;
  for (CView* view : GetViews()) {
    if ((frame = view->GetParentFrame()) != nullptr) break;
  }
  if (CView* active = frame ? frame->GetActiveView() : nullptr) active->SetFocus();
}

void CKestavonDoc::SaveUndo() { m_undo.Push(std::make_unique<CTreeUndo>(m_tree, m_nCurTree)); }

void CKestavonDoc::Undo() {
  CPelkoUndoUnit* unit = m_undo.Undo(std::make_unique<CTreeUndo>(m_tree, m_nCurTree));
  if (!unit) return;
  static_cast<CTreeUndo*>(unit)->Restore(m_tree, m_nCurTree);
  // Only the saved state is unmodified: undoing past a save, or after the oldest states were
  // dropped, leaves changes that a close must still ask about.
  SetModifiedFlag(!m_undo.IsAtSavePoint());
  UpdateAllViews(nullptr);
}

void CKestavonDoc::Redo() {
  CPelkoUndoUnit* unit = m_undo.Redo();
  if (!unit) return;
  static_cast<CTreeUndo*>(unit)->Restore(m_tree, m_nCurTree);
  SetModifiedFlag(!m_undo.IsAtSavePoint());
  UpdateAllViews(nullptr);
}

void CKestavonDoc::OnCloseDocument() {
  m_tree.GetLock().RemoveLockFile();
  CDocument::OnCloseDocument();  // may delete this document
}

BOOL CKestavonDoc::CanCloseFrame(CFrameWnd* frame) {
  CommitTextArea();
  return CDocument::CanCloseFrame(frame);
}

BOOL CKestavonDoc::SaveModified() {
  if (!IsModified()) return TRUE;
  if (ReadSetting(Settings::System::NoSaveAlert) && !m_strPathName.IsEmpty()) return DoFileSave();
  return CDocument::SaveModified();
}

void CKestavonDoc::OnFileSave(wxCommandEvent& event) {
  if (m_strPathName.IsEmpty() || m_tree.IsReadOnly()) {
    OnFileSaveAs(event);
    return;
  }
  OnSaveDocument(m_strPathName);
}

void CKestavonDoc::OnUpdateFileSave(wxUpdateUIEvent& event) { event.Enable(!m_tree.IsReadOnly()); }

void CKestavonDoc::OnFileSaveAs(wxCommandEvent&) {
  if (m_bSaveAs) return;
  m_bSaveAs = 1;
  const CString path = DoSaveAsDialog();
  if (!path.IsEmpty()) OnSaveDocument(path);
  m_bSaveAs = 0;
}

void CKestavonDoc::OnNetUpload(wxCommandEvent&) {
  if (INetDocumentService* net = Seam<INetDocumentService>::Get()) net->OnNetUpload(*this);
}

void CKestavonDoc::OnFileSaveAsNet(wxCommandEvent&) {
  if (INetDocumentService* net = Seam<INetDocumentService>::Get()) net->OnFileSaveAsNet(*this);
}

void CKestavonDoc::OnUpdateNetCommand(wxUpdateUIEvent& event) {
  event.Enable(Seam<INetDocumentService>::Get() != nullptr);
}

void CKestavonDoc::OnDocInfo(wxCommandEvent&) {
  // The snapshot is taken before the dialog stores anything, so that undo brings the old author
  // data back; a cancelled dialog leaves no undo step.
  auto before = std::make_unique<CTreeUndo>(m_tree, m_nCurTree);
  CDocInfoDlg dlg(AfxGetMainFrameWindow(), &m_tree);
  if (dlg.DoModal() != IDOK) return;
  m_undo.Push(std::move(before));
  SetModifiedFlag(TRUE);
}
