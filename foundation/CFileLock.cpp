#include "foundation/CFileLock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <sstream>
#include <string>

#include "foundation/FileAttributes.h"
#include "platform/base/CodePage.h"
#include "platform/base/LocalProcess.h"
#include "platform/base/Places.h"
#include "platform/base/RegularFile.h"

namespace {

bool Exists(const CString& path) {
  struct stat st {};
  return stat(CP932ToUTF8(path.GetString()).c_str(), &st) == 0;
}

// The second line names the computer and, after a blank, the process holding the lock, so that a
// later start on the same computer can tell a lock left by a program that was killed.
CString OwnerLine() {
  CString line;
  line.Format("%s %ld", GetComputerNameText().GetString(), static_cast<long>(getpid()));
  return line;
}

CString LockContent(const CString& note) {
  const std::time_t now = std::time(nullptr);
  std::tm local {};
  localtime_r(&now, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y/%m/%d %H:%M", &local);
  return CString(stamp) + "\r\n" + OwnerLine() + "\r\n" + note + "\r\n";
}

// A lock file written on this computer by a process that is gone, or whose number now belongs to
// another program. A lock of another computer, of another user's running program or in a form
// without a process id is never taken for stale.
bool IsStaleLockFile(const CString& lockName) {
  std::string bytes;
  if (!ReadRegularFile(lockName, bytes)) return false;
  std::istringstream in(bytes);
  std::string stamp, owner;
  if (!std::getline(in, stamp) || !std::getline(in, owner)) return false;
  if (!owner.empty() && owner.back() == '\r') owner.pop_back();
  const size_t blank = owner.rfind(' ');
  if (blank == std::string::npos || owner.substr(0, blank) != GetComputerNameText().str()) return false;
  const std::string digits = owner.substr(blank + 1);
  if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos) return false;
  return IsLocalProcessGone(static_cast<pid_t>(std::stol(digits)));
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
  if (m_strPath.IsEmpty() || m_nOwned) return false;
  const CString lockName = GetLockFileName(m_strPath);
  return Exists(lockName) && !IsStaleLockFile(lockName);
}

bool CFileLock::CanWrite(const char* path) const {
  if (m_strPath == path && m_nOwned) return true;
  const CString lockName = GetLockFileName(path);
  return !Exists(lockName) || IsStaleLockFile(lockName);
}

bool CFileLock::CreateLockFile() {
  if (IsLockedByOther()) return false;
  if (m_strPath.IsEmpty()) return true;
  // Our own lock is written anew; anyone else's lock must not exist at the moment of creation,
  // so that of two users opening the file at once only one gets it.
  const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (m_nOwned ? O_TRUNC : O_EXCL);
  const std::string lockPath = CP932ToUTF8(GetLockFileName(m_strPath).GetString());
  if (!m_nOwned && IsStaleLockFile(GetLockFileName(m_strPath))) unlink(lockPath.c_str());
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
