#include "convert/PageFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/base/CodePage.h"
#include "platform/base/FileAccess.h"
#include "platform/desktop/MessageBox.h"

namespace {

const char kWriteFailed[] = "ファイル書き込みが出来ません:";
const char kIncomplete[] = "\n出力が完了していません。";

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

std::string FolderOf(const std::string& osPath) {
  const size_t slash = osPath.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : osPath.substr(0, slash);
}

}  // namespace

CPageFiles::CPageFiles() = default;

CPageFiles::~CPageFiles() {
  for (const Synced& synced : m_synced) close(synced.folder);
}

void CPageFiles::Fail(const char* path) {
  if (m_strFirstFailure.IsEmpty()) m_strFirstFailure = path;
}

void CPageFiles::RememberFileSystem(int fd, const char* path) {
  struct stat st {};
  if (fstat(fd, &st) != 0) return;
  for (const Synced& synced : m_synced) {
    if (synced.device == st.st_dev) return;
  }
  const std::string folder = FolderOf(CP932ToUTF8(path));
  const int folderFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd >= 0) m_synced.push_back({static_cast<unsigned long long>(st.st_dev), folderFd, UTF8ToCP932(folder)});
}

bool CPageFiles::Write(const char* path, std::string_view bytes) {
  // A read-only file stays as it is, for root too, as the read-only attribute binds everyone.
  if (IsReadOnlyFile(path)) {
    Fail(path);
    return false;
  }
  // Opened without truncating and without waiting, so that nothing but a regular file is changed
  // (a named pipe without a reader would hold the export).
  const int fd = open(CP932ToUTF8(path).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
  if (fd < 0) {
    Fail(path);
    return false;
  }
  struct stat st {};
  bool written = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ftruncate(fd, 0) == 0 && WriteAll(fd, bytes);
  if (written) {
    RememberFileSystem(fd, path);
    // The disk starts on this page while the next is made, so the sync at the end waits less.
    sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
  }
  if (close(fd) != 0) written = false;
  if (!written) Fail(path);
  return written;
}

bool CPageFiles::Finish() {
  for (const Synced& synced : m_synced) {
    if (syncfs(synced.folder) != 0) Fail(synced.path);
  }
  if (!HasFailed()) return true;
  AfxMessageBox(kWriteFailed + m_strFirstFailure + kIncomplete);
  return false;
}
