#include "platform/base/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/base/CodePage.h"

namespace {

int OpenRegularOsFile(const char* osPath) {
  if (osPath == nullptr) {
    errno = EINVAL;
    return -1;
  }
  const int fd = open(osPath, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    errno = EINVAL;
    return -1;
  }
  const int flags = fcntl(fd, F_GETFL);
  if (flags >= 0) fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  return fd;
}

std::FILE* StreamOf(int fd) {
  if (fd < 0) return nullptr;
  std::FILE* stream = fdopen(fd, "rb");
  if (stream == nullptr) close(fd);
  return stream;
}

}  // namespace

int OpenRegularFile(const char* path) { return OpenRegularOsFile(path ? CP932ToUTF8(path).c_str() : nullptr); }

std::FILE* OpenRegularFileStream(const char* path) { return StreamOf(OpenRegularFile(path)); }

std::FILE* OpenRegularOsFileStream(const char* osPath) { return StreamOf(OpenRegularOsFile(osPath)); }

bool ReadRegularFile(const char* path, std::string& bytes) {
  std::FILE* file = OpenRegularFileStream(path);
  if (file == nullptr) return false;
  bytes.clear();
  char buffer[1 << 16];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.append(buffer, n);
  const bool ok = std::ferror(file) == 0;
  std::fclose(file);
  return ok;
}

bool IsRegularFile(const char* path) {
  struct stat st {};
  return path != nullptr && stat(CP932ToUTF8(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}
