#include "platform/base/TimeFormat.h"

#include <cstring>
#include <string>
#include <vector>

#include "platform/base/CodePage.h"

namespace {

// "%#x" of the Windows runtime drops leading zeros of numbers, as glibc's "%-x" does; for the
// other codes it asks for a long form, which glibc has no flag for.
std::string ToGlibcFormat(const std::string& format) {
  std::string out;
  out.reserve(format.size());
  for (size_t i = 0; i < format.size(); ++i) {
    out += format[i];
    if (format[i] != '%' || i + 1 >= format.size()) continue;
    if (format[i + 1] == '#' && i + 2 < format.size()) {
      if (std::strchr("dHIjmMSUwWyY", format[i + 2]) != nullptr) out += '-';
      ++i;
    }
    out += format[++i];
  }
  return out;
}

}  // namespace

CString FormatTimeText(const std::tm& time, const char* format) {
  if (format == nullptr || *format == '\0') return CString();
  // A trailing blank tells an empty result from a buffer that was too small.
  const std::string utf8 = ToGlibcFormat(CP932ToUTF8(format)) + " ";
  std::vector<char> buffer(utf8.size() * 4 + 64);
  for (int attempt = 0; attempt < 8; ++attempt) {
    const size_t n = std::strftime(buffer.data(), buffer.size(), utf8.c_str(), &time);
    if (n > 0) return UTF8ToCP932(std::string_view(buffer.data(), n - 1));
    buffer.resize(buffer.size() * 4);
  }
  return CString();
}
