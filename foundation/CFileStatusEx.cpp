#include "foundation/CFileStatusEx.h"

#include <fcntl.h>
#include <sys/stat.h>

#include "foundation/FileAttributes.h"
#include "platform/base/CodePage.h"

void GetFileStatusEx(CFileStatusEx& status, const char* path) {
  status.m_strPath = path;
  const std::string osPath = CP932ToUTF8(path);
  struct statx sx {};
  if (statx(AT_FDCWD, osPath.c_str(), 0, STATX_BASIC_STATS | STATX_BTIME, &sx) != 0) return;
  struct stat st {};
  if (stat(osPath.c_str(), &st) != 0) return;
  // A file system that keeps no birth time gives the last write as the creation time.
  const bool born = (sx.stx_mask & STATX_BTIME) != 0 && sx.stx_btime.tv_sec != 0;
  status.m_ctime = COleDateTime(static_cast<std::time_t>(born ? sx.stx_btime.tv_sec : sx.stx_mtime.tv_sec));
  status.m_mtime = COleDateTime(static_cast<std::time_t>(sx.stx_mtime.tv_sec));
  status.m_atime = COleDateTime(static_cast<std::time_t>(sx.stx_atime.tv_sec));
  status.m_size = static_cast<DWORD>(sx.stx_size & 0xFFFFFFFFu);
  status.m_attribute = FileAttributesOf(st, osPath.c_str()) & 0x7F;
}
