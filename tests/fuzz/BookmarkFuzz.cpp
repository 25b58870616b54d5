// A browser's bookmark file from anywhere: titles, folder lists and links on the fixed marker
// lines, then the outline built from them.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

#include "convert/HtmlBookmarks.h"
#include "model/ATREE.h"
#include "platform/desktop/MessageBox.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static ScopedMessageBoxHook quiet(IDOK);
  static const std::string path = [] {
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir && *dir ? dir : "/tmp") + "/htmfuzz-" + std::to_string(getpid()) + ".htm";
  }();
  if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  ATREE model;
  if (ImportHtmlBookmarks(model, path.c_str())) {
    model.MakeTreeData();
    for (int i = 0; i < model.GetDirDataCount(); ++i) model.GetParent(i);
  }
  std::remove(path.c_str());
  return 0;
}
