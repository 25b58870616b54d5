#include "foundation/CFileBackup.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/base/AtomicFile.h"
#include "platform/base/CodePage.h"

namespace {

std::string OsPath(const char* path) { return CP932ToUTF8(path); }

bool Exists(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0;
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat sa {};
  struct stat sb {};
  return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

// Renames without replacing an existing target, so that a generation that could not be moved on
// is never overwritten.
void MoveFileNoReplace(const std::string& from, const std::string& to) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return;
  if (errno == EEXIST || Exists(to)) return;
  rename(from.c_str(), to.c_str());  // file systems without the no-replace flag
}

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t n = write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

// Copies the file, with its permissions, to a temporary file of the program beside it, so that
// no half copy ever carries a backup's name and what a killed copy leaves is removed as any other
// temporary file of a save. Returns the temporary file's path, "" when the copy failed.
std::string CopyToTempFile(const char* path) {
  const int in = open(OsPath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return std::string();
  struct stat st {};
  const std::string temp = fstat(in, &st) == 0 ? OsPath(CreateTempFileBeside(path)) : std::string();
  const int out = temp.empty() ? -1 : open(temp.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (out < 0) {
    close(in);
    if (!temp.empty()) unlink(temp.c_str());
    return std::string();
  }
  bool ok = true;
  char buffer[1 << 16];
  for (ssize_t n; ok && (n = read(in, buffer, sizeof buffer)) != 0;) {
    if (n < 0) {
      ok = errno == EINTR;
      continue;
    }
    ok = WriteAll(out, buffer, static_cast<size_t>(n));
  }
  close(in);
  ok = fchmod(out, st.st_mode & 07777) == 0 && fsync(out) == 0 && ok;
  ok = close(out) == 0 && ok;
  if (ok) return temp;
  unlink(temp.c_str());
  return std::string();
}

// Renames the copy to the backup's name: over it when replace, else only where no file is, so
// that a generation that could not be moved on is never overwritten.
void PlaceCopy(const std::string& temp, const std::string& to, bool replace) {
  bool ok;
  if (replace) {
    ok = rename(temp.c_str(), to.c_str()) == 0;
  } else {
    ok = renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0;
    if (!ok && errno == EINVAL && !Exists(to)) ok = rename(temp.c_str(), to.c_str()) == 0;
  }
  if (!ok) unlink(temp.c_str());
}

// Offset just past the last "/" or "\", 0 when there is none.
int NameStart(const CString& path) {
  const int slash = path.ReverseFind('/');
  const int backslash = path.ReverseFind('\\');
  return (slash > backslash ? slash : backslash) + 1;
}

}  // namespace

CString CFileBackup::GetBackupFileName(const char* path) const {
  const CString full(path);
  const int nameStart = NameStart(full);
  const CString folder = full.Left(nameStart);
  const CString name = full.Mid(nameStart);
  const int dot = name.ReverseFind('.');
  CString base = dot >= 0 ? name.Left(dot) : name;
  const CString ext = dot >= 0 ? name.Mid(dot) : CString();

  if (ext == "." + m_strExt) {
    const int numberDot = base.ReverseFind('.');
    int n = 0;
    bool digits = false;
    if (numberDot >= 0) {
      for (int i = numberDot + 1; i < base.GetLength() && base[i] >= '0' && base[i] <= '9' && n < 100000000; ++i) {
        n = n * 10 + (base[i] - '0');
        digits = true;
      }
    }
    if (digits && n >= 2) {
      CString next;
      next.Format("%d", n + 1);
      base = base.Left(numberDot + 1) + next;
    } else {
      base += ".2";
    }
  }
  return folder + base + "." + m_strExt;
}

void CFileBackup::Backup(const char* path) {
  m_nDepth = 0;
  RotateBackupFiles(path);
}

void CFileBackup::RotateBackupFiles(const char* path) {
  const bool document = ++m_nDepth == 1;
  const std::string source = OsPath(path);
  if (!Exists(source)) return;
  const CString next = GetBackupFileName(path);
  const std::string target = OsPath(next);
  // On a file system that ignores letter case, a file named a.BAK is its own backup a.bak:
  // leave it alone rather than delete or rename it.
  if (target == source || SameFile(source, target)) return;
  // The document itself is copied, not moved: until the new file is committed over it, its path
  // must hold a whole document, whatever stops the save that follows. The copy is made first, and
  // the generations move on only once it is whole, so a copy that fails or is killed leaves
  // every backup as it was.
  std::string copy;
  if (document) {
    copy = CopyToTempFile(path);
    if (copy.empty()) return;
  }
  const bool last = m_nDepth >= m_nGenerations;
  if (Exists(target)) {
    if (last && !document) {
      unlink(target.c_str());
    } else if (!last) {
      RotateBackupFiles(next);
    }
  }
  if (document) {
    PlaceCopy(copy, target, last);
  } else {
    MoveFileNoReplace(source, target);
  }
}
