// The image-size reader on arbitrary files: the first byte picks the type, the rest is the file.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "foundation/ImageSize.h"

namespace {

std::string TempFolder() {
  const char* tmp = getenv("TMPDIR");
  std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/kesta-fuzz-XXXXXX";
  if (!mkdtemp(pattern.data())) abort();
  return pattern;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string folder = TempFolder();
  static const char* const kNames[] = {"/f.gif", "/f.png", "/f.jpg", "/f.bmp"};
  const std::string path = folder + kNames[size > 0 ? data[0] % 4 : 2];
  FILE* fp = std::fopen(path.c_str(), "wb");
  if (!fp) abort();
  if (size > 1) std::fwrite(data + 1, 1, size - 1, fp);
  std::fclose(fp);
  GetImageSize(CString(path));
  return 0;
}
