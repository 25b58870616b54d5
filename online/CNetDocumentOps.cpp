#include "online/CNetDocumentOps.h"

#include <sys/stat.h>

#include <filesystem>
#include <system_error>

#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "foundation/CFileBackup.h"
#include "model/NetPath.h"
#include "online/CNetBackupDlg.h"
#include "online/CNetFileService.h"
#include "online/CNetListDlg.h"
#include "online/CWebAcountDlg.h"
#include "platform/base/AtomicFile.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/CWaitCursor.h"
#include "platform/desktop/MessageBox.h"

namespace {

constexpr char kNoAccount[] = "アカウントの設定がされていません";

void SetAccount(CNetFileService& service) {
  if (CKestavonApp* app = GetKestavonApp()) service.SetAccount(app->m_strWebID, app->m_strWebPassword);
}

std::filesystem::path OsPath(const char* path) { return CP932ToUTF8(path); }

// Replaces the target's content with the source's as a save does: through a temporary file
// beside it, so that the target keeps its permissions and holds a whole document at every moment.
bool ReplaceContent(const char* source, const char* target) {
  const CString temp = CreateTempFileBeside(target);
  if (temp.IsEmpty()) return false;
  std::error_code ec;
  std::filesystem::copy_file(OsPath(source), OsPath(temp), std::filesystem::copy_options::overwrite_existing, ec);
  if (ec) {
    std::filesystem::remove(OsPath(temp), ec);
    return false;
  }
  return CommitTempFile(temp, target);
}

// The temporary copy goes when the operation ends, however it ends.
struct TempFile {
  CString path;
  ~TempFile() {
    if (!path.IsEmpty()) std::filesystem::remove(OsPath(path));
  }
};

struct Download {
  CString path;
  ~Download() {
    if (!path.IsEmpty()) CNetFileService::DeleteDownload(path);
  }
};

}  // namespace

BOOL CNetDocumentOps::OpenNetFile(CKestavonDoc& doc, const char* netPath) {
  if (!CheckWebAccount(kNoAccount)) return FALSE;
  CNetFileService service;
  SetAccount(service);
  service.SetNetPath(netPath);
  // The progress dialog shows the wait, and its Cancel button takes no wait cursor.
  Download file{service.Download()};
  if (file.path.IsEmpty()) {
    if (!service.IsCancelled()) AfxMessageBox(service.GetMessage());
    return FALSE;
  }
  CWaitCursor wait;
  // A downloaded copy is this document's alone: no lock file beside it.
  if (doc.GetTree().OpenFile(file.path, 0, 0) < 0) {
    AfxMessageBox("ネットからファイルを開くことに失敗しました");
    return FALSE;
  }
  doc.SetModifiedFlag(FALSE);
  doc.SetPathName(service.GetNetPath(), TRUE);
  return TRUE;
}

BOOL CNetDocumentOps::UploadNetFile(CKestavonDoc& doc, const char* netPath, BOOL keepLocal) {
  if (!CheckWebAccount(kNoAccount)) return FALSE;
  TempFile copy{CNetFileService::GetTempFilePath(".kvn")};
  if (copy.path.IsEmpty() || !doc.SaveFile(copy.path, TRUE)) return FALSE;
  std::error_code ec;
  const auto size = std::filesystem::file_size(OsPath(copy.path), ec);
  if (ec || static_cast<long long>(size) >= kMaxUpload) {
    AfxMessageBox("サイズ制限：1MB以上のファイルはアップロードできません");
    return FALSE;
  }
  CNetFileService service;
  SetAccount(service);
  service.SetNetPath(netPath);
  BOOL done;
  if (IsUnstoredNetPath(netPath)) {
    done = service.Upload(copy.path);
    if (done && keepLocal) {
      doc.GetTree().GetProperties().m_strNetFileID = service.GetFileId();
      doc.SetModifiedFlag(TRUE);
    }
  } else {
    done = service.Save(copy.path);
  }
  if (!done) {
    if (!service.IsCancelled()) AfxMessageBox(service.GetMessage());
    return FALSE;
  }
  if (!keepLocal) {
    doc.SetModifiedFlag(FALSE);
    doc.SetPathName(service.GetNetPath(), TRUE);
  }
  if (service.LastReplyListedFiles()) {
    COleDateTime update;
    if (update.ParseDateTime(service.GetFile(0)->GetUpdateTime())) doc.m_timeWebUpdate = update;
  }
  return TRUE;
}

BOOL CNetDocumentOps::CheckNetFileUpdate(CKestavonDoc& doc, const char* localPath) {
  ATREE& tree = doc.GetTree();
  const CDocProperties& properties = tree.GetProperties();
  if (properties.m_strNetFileID.IsEmpty() || !properties.m_nNetOption2) return FALSE;
  if (!CheckWebAccount("ネットとの比較中：アカウントの設定がされていません")) return FALSE;
  COleDateTime remote;
  {
    CNetFileService service;
    SetAccount(service);
    service.GetUpdateTime(properties.m_strNetFileID, remote);
    if (service.IsCancelled()) return FALSE;
  }
  struct stat info {};
  if (stat(CP932ToUTF8(localPath).c_str(), &info) != 0) return FALSE;
  const COleDateTime local(info.st_mtime);
  if (remote.GetStatus() != COleDateTime::valid || remote <= local) return FALSE;
  if (AfxMessageBox("ネット上に新しいファイルがあります。ネット上のものに更新しますか？", MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
    return FALSE;

  CNetFileService service;
  SetAccount(service);
  service.SetNetPath(tree.GetNetPathName());
  Download file{service.Download()};
  if (file.path.IsEmpty()) {
    if (!service.IsCancelled()) AfxMessageBox(service.GetMessage());
    return FALSE;
  }
  CWaitCursor wait;
  // The local file's content goes to its newest backup first; should the new one not load, that
  // content comes back. The file itself is replaced as a save replaces it, keeping its mode.
  CFileBackup backup;
  const CString saved = backup.GetBackupFileName(localPath);
  backup.Backup(localPath);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(OsPath(saved), ec) || !ReplaceContent(file.path, localPath)) {
    AfxMessageBox("ネット上のファイルに更新できませんでした。");
    return FALSE;
  }
  tree.GetLock().RemoveLockFile();
  if (tree.OpenFile(localPath, 0, 1) < 0) {
    ReplaceContent(saved, localPath);
    AfxMessageBox("ネット上のファイルを読めませんでした。元のファイルに戻します。");
    tree.OpenFile(localPath, 0, 1);
    return FALSE;
  }
  doc.SetCurrentTree(0);
  return TRUE;
}

void CNetDocumentOps::OnNetUpload(CKestavonDoc& doc) {
  if (doc.GetPathName().IsEmpty()) {
    AfxMessageBox("一度ディスクへの保存を行ってください。この機能はローカルファイルのバックアップをネットに取るものです。");
    return;
  }
  ATREE& tree = doc.GetTree();
  CDocProperties& properties = tree.GetProperties();
  CNetBackupDlg dialog(AfxGetMainFrameWindow());
  dialog.m_strTitle = tree.GetDirDataCount() > 0 ? tree.GetName(0) : CString();
  dialog.m_strFileId = properties.m_strNetFileID;
  dialog.m_nAutoUpload = properties.m_nUploadOption;
  dialog.m_bCheckNewer = properties.m_nNetOption2;
  const int result = dialog.DoModal();
  properties.m_strNetFileID = dialog.m_strFileId;
  properties.m_nUploadOption = dialog.m_nAutoUpload < 0 ? 0 : dialog.m_nAutoUpload;
  properties.m_nNetOption2 = dialog.m_bCheckNewer;
  if (result != IDOK) return;
  if (doc.IsModified() && !doc.OnSaveDocument(doc.GetPathName())) return;
  UploadNetFile(doc, tree.GetNetPathName(), TRUE);
  // A new copy gave the document its file ID: the local file keeps it.
  if (doc.IsModified()) doc.OnSaveDocument(doc.GetPathName());
}

void CNetDocumentOps::OnFileSaveAsNet(CKestavonDoc& doc) {
  CNetSaveAsDlg dialog(AfxGetMainFrameWindow());
  const ATREE& tree = doc.GetTree();
  dialog.m_strTitle = tree.GetDirDataCount() > 0 ? tree.GetName(0) : CString();
  if (dialog.DoModal() != IDOK) return;
  doc.OnSaveDocument(MakeNetPath("", dialog.m_strTitle));
}

namespace {

void ListCommand(BOOL deleteMode) {
  if (!CheckWebAccount(kNoAccount)) return;
  CNetFileService service;
  SetAccount(service);
  if (!service.List()) {
    if (!service.IsCancelled()) AfxMessageBox(service.GetMessage());
    return;
  }
  CNetListDlg dialog(AfxGetMainFrameWindow(), &service, deleteMode);
  if (dialog.DoModal() != IDOK || deleteMode) return;
  if (CNetFileItem* item = service.GetFile(dialog.m_nSelect))
    if (CWinApp* app = AfxGetApp()) app->OpenDocumentFile(item->GetNetPath());
}

}  // namespace

void OnNetOpen() { ListCommand(FALSE); }

void OnNetDelete() { ListCommand(TRUE); }
