// Opening a document into the model: the reader by mode and extension, the shared-file lock and
// the read-only notice, then the rows.
#include <strings.h>

#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "model/ATREE.h"
#include "model/KvnCrypt.h"
#include "model/ModelPrompts.h"
#include "model/OutlineReaders.h"
#include "platform/base/AtomicFile.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/FileAccess.h"
#include "platform/desktop/MessageBox.h"

bool HasExtension(const char* path, const char* extension) {
  const std::string p(path);
  const size_t dot = p.rfind('.');
  const size_t slash = p.find_last_of("/\\");
  return dot != std::string::npos && (slash == std::string::npos || dot > slash) &&
         strcasecmp(p.c_str() + dot, extension) == 0;
}

namespace {

// Mode 1 reads the other editor's outline whatever the name; mode 2 a folder; mode 0 goes by the
// extension, and a file that no reader claims is plain text.
OutlineSource SourceOf(const char* path, int openMode) {
  if (openMode == 1) return OutlineSource::WzOutline;
  if (openMode == 2) return OutlineSource::Folder;
  if (HasExtension(path, ".htm")) return OutlineSource::HtmlBookmarks;
  if (HasExtension(path, ".mem")) return OutlineSource::WzOutline;
  if (HasExtension(path, ".pdb")) return OutlineSource::PalmDoc;
  return OutlineSource::PlainText;
}

// The bytes that every outline file of the model holds at least: each item's path and text.
long long StoredBytesAtLeast(const ATREE& tree) {
  long long bytes = 0;
  for (int i = 0; i < tree.GetDirDataCount(); ++i) {
    const CDirData* item = tree.GetDirData(i);
    bytes += item->m_strPath.str().size() + item->m_strText.str().size();
  }
  return bytes;
}

}  // namespace

int ATREE::OpenFile(const char* path, int openMode, int lockFlag) {
  DeleteContents();
  m_bReadOnly = 0;
  // A save killed half-way left its temporary file (perhaps the readable text of an enciphered
  // document) beside the file.
  if (openMode != 2) RemoveStaleTempFiles(path);
  int read = 0;
  if (openMode == 0 && HasExtension(path, ".kvn")) {
    read = ReadKvnFile(path);
  } else if (IOutlineReaders* readers = Seam<IOutlineReaders>::Get()) {
    // An outline made from another source that no file could hold and be opened again would be
    // work the user cannot keep.
    read = readers->ReadOutline(SourceOf(path, openMode), *this, path) &&
           KvnCrypt::CanOpenBytes(StoredBytesAtLeast(*this), path);
  } else {
    // A source that no installed converter reads.
    AfxMessageBox(CString("ファイルを開けません（ケスタボンのファイルではない可能性があります）：") + path);
  }
  if (!read) return -1;

  // A reader that made the document read-only (an e-book) needs no lock and no notice.
  if (openMode != 2 && lockFlag && !m_bReadOnly) {
    m_lock.SetPath(path);
    int reason = 0;
    if (m_lock.IsReadOnlyFile()) {
      reason = 1;
      m_bReadOnly = 1;
    } else if (m_lock.IsLockedByOther()) {
      m_bReadOnly = 1;
    }
    if (m_bReadOnly) {
      ShowReadOnlyNotice(reason, path);
    } else if (ReadSetting(Settings::System::SharedFile) && !m_lock.CreateLockFile()) {
      ShowReadOnlyNotice(2, path);
      m_bReadOnly = 1;
    }
  }
  MakeTreeData();
  m_bLoaded = 1;
  return GetDirDataCount();
}

void ATREE::ShowReadOnlyNotice(int reason, const char* path) {
  if (IModelPrompts* prompts = Seam<IModelPrompts>::Get()) prompts->ShowReadOnlyNotice(reason, path);
}

BOOL ATREE::IsWritable(const char* path) { return !IsReadOnlyFile(path) && m_lock.CanWrite(path); }

int ATREE::SaveFile(const char* path) {
  if (!IsWritable(path)) {
    AfxMessageBox("このファイルは使用中です。書き込みできません。");
    m_bReadOnly = 1;
    return 0;
  }
  if (!CheckWritePassword()) return 0;
  const int result = WriteByExtension(path);
  if (result) {
    m_lock.SetPath(path);
    if (ReadSetting(Settings::System::SharedFile)) m_lock.CreateLockFile();
    m_bReadOnly = 0;
  }
  return result;
}

int ATREE::WriteByExtension(const char* path) {
  if (HasExtension(path, ".kvn") || HasExtension(path, ".bak")) return WriteKvnFile(path);
  const OutlineSource target = HasExtension(path, ".mem") ? OutlineSource::WzOutline : OutlineSource::PlainText;
  if (IOutlineReaders* writers = Seam<IOutlineReaders>::Get()) return writers->WriteOutline(target, *this, path);
  // The converters that write this form are not installed.
  AfxMessageBox("保存先ファイルが開けません");
  return 0;
}

BOOL ATREE::CheckWritePassword() {
  const CString& hash = m_properties.m_strWritePassword;
  if (hash.IsEmpty() || m_bWriteAccess) return TRUE;
  IModelPrompts* prompts = Seam<IModelPrompts>::Get();
  CString password;
  if (!prompts ||
      !prompts->AskPassword("", "書き込みパスワードが設定されています。書き込みパスワードを入力してください", password))
    return FALSE;
  if (PasswordHash(password) != hash) {
    AfxMessageBox("書込パスワードが違います。大文字小文字半角全角に注意して入力してください。");
    return FALSE;
  }
  m_bWriteAccess = 1;
  return TRUE;
}
