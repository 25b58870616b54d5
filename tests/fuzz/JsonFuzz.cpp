// The JSON outline reader on arbitrary texts. Whatever it reads, the outline must stay well formed:
// a top item at level 0 and no item more than one level below the one before it. A broken one
// stops the run with a trap (no sanitizer report); the input is then left in
// $TMPDIR/jsonfuzz-<pid>.json.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "convert/ATREEJsonRead.h"
#include "model/ATREE.h"
#include "platform/desktop/MessageBox.h"

namespace {

std::string TempPath() {
  static const std::string path = [] {
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir && *dir ? dir : "/tmp") + "/jsonfuzz-" + std::to_string(getpid()) + ".json";
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static ScopedMessageBoxHook quiet(IDOK);
  const std::string path = TempPath();
  if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  ATREE model;
  ReadJsonFile(model, path.c_str());
  if (model.GetDirDataCount() < 1 || model.GetLevel(0) != 0) __builtin_trap();
  for (int i = 1; i < model.GetDirDataCount(); ++i) {
    if (model.GetLevel(i) < 1 || model.GetLevel(i) > model.GetLevel(i - 1) + 1) __builtin_trap();
  }
  model.MakeTreeData();
  for (int i = 0; i < model.GetDirDataCount(); ++i) {
    model.GetParent(i);
    model.GetName(i);
    model.GetDirData(i)->GetIdText(TRUE);
  }
  CString records = model.GetSubtreeRecords(0, TRUE);
  ATREE copy;
  copy.AppendTree("top");
  copy.InsertTreeRecords(0, records, TRUE);
  std::remove(path.c_str());
  return 0;
}
