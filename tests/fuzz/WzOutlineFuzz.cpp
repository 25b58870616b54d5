// The other editor's outline text from anywhere, read in both forms of its top item (the first
// byte of an input chooses), then written out again.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

#include "convert/WzOutline.h"
#include "model/ATREE.h"
#include "platform/desktop/MessageBox.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static ScopedMessageBoxHook quiet(IDOK);
  static const std::string path = [] {
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir && *dir ? dir : "/tmp") + "/memfuzz-" + std::to_string(getpid()) + ".mem";
  }();
  if (size == 0) return 0;
  if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(data + 1, 1, size - 1, f);
    std::fclose(f);
  }
  ATREE model;
  if (ReadWzFile(model, path.c_str(), (data[0] & 1) != 0)) {
    model.MakeTreeData();
    for (int i = 0; i < model.GetDirDataCount(); ++i) model.GetParent(i);
    ExportWzFile(model, path.c_str(), data[0] & 2);
  }
  std::remove(path.c_str());
  return 0;
}
