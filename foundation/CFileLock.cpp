#include "foundation/CFileLock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <string>

#include "foundation/FileAttributes.h"
#include "platform/CodePage.h"
#include "platform/Places.h"

namespace {

bool Exists(const CString& path) {
  struct stat st {};
  return stat(CP932ToUTF8(path.GetString()).c_str(), &st) == 0;
}

CString LockContent(const CString& note) {
  const std::time_t now = std::time(nullptr);
  std::tm local {};
  localtime_r(&now, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y/%m/%d %H:%M", &local);
  return CString(stamp) + "\r\n" + GetComputerNameText() + "\r\n" + note + "\r\n";
}

bool WriteAll(int fd, const CString& content) {
  const char* data = content.GetString();
  size_t left = static_cast<size_t>(content.GetLength());
  while (left > 0) {
    const ssize_t written = write(fd, data, left);
    if (written <= 0) return false;
    data += written;
    left -= static_cast<size_t>(written);
  }
  return true;
}

}  // namespace

void CFileLock::SetPath(const char* path) {
  if (m_strPath == path) return;
  m_strPath = path;
  m_nOwned = 0;
}

CString CFileLock::GetLockFileName(const char* path) { return CString(path) + ".lock"; }

bool CFileLock::IsReadOnlyFile() const {
  struct stat st {};
  if (stat(CP932ToUTF8(m_strPath.GetString()).c_str(), &st) != 0) return false;
  return IsReadOnlyForUser(st);
}

bool CFileLock::IsLockedByOther() const {
  if (m_strPath.IsEmpty()) return false;
  return Exists(GetLockFileName(m_strPath)) && m_nOwned == 0;
}

bool CFileLock::CanWrite(const char* path) const {
  if (m_strPath == path && m_nOwned) return true;
  return !Exists(GetLockFileName(path));
}

bool CFileLock::CreateLockFile() {
  if (IsLockedByOther()) return false;
  if (m_strPath.IsEmpty()) return true;
  // Our own lock is written anew; anyone else's lock must not exist at the moment of creation,
  // so that of two users opening the file at once only one gets it.
  const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (m_nOwned ? O_TRUNC : O_EXCL);
  const std::string lockPath = CP932ToUTF8(GetLockFileName(m_strPath).GetString());
  const int fd = open(lockPath.c_str(), flags, 0644);
  if (fd < 0) return false;
  const bool written = WriteAll(fd, LockContent(m_strNote));
  if (close(fd) != 0 || !written) {
    if (!m_nOwned) unlink(lockPath.c_str());  // a half-written lock of ours would lock everyone out
    return false;
  }
  m_nOwned = 1;
  return true;
}

bool CFileLock::RemoveLockFile() {
  if (!m_nOwned) return false;
  if (m_strPath.IsEmpty()) return true;
  return unlink(CP932ToUTF8(GetLockFileName(m_strPath).GetString()).c_str()) == 0;
}
