#include "platform/base/FileStamp.h"

#include <sys/stat.h>

FileStamp FileStampOf(const std::string& osPath) {
  FileStamp stamp;
  struct stat st;
  if (stat(osPath.c_str(), &st) == 0) {
    stamp.exists = true;
    stamp.mtimeNs = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    stamp.size = static_cast<long long>(st.st_size);
    stamp.inode = static_cast<unsigned long long>(st.st_ino);
  }
  return stamp;
}
