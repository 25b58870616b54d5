#include "platform/base/FullPath.h"

#include <filesystem>
#include <system_error>

#include "platform/base/CodePage.h"

CString AfxFullPath(const char* path) {
  if (!path || !*path) return CString();
  std::error_code ec;
  std::filesystem::path full = std::filesystem::absolute(std::filesystem::path(CP932ToUTF8(path)), ec);
  if (ec) return CString(path);
  return UTF8ToCP932(full.lexically_normal().string());
}
