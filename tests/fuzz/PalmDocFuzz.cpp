// The Palm DOC reader on e-texts that other people send: the record list, the compressed text,
// the bookmark records and the "#!Medoc" index, then the outline built from them.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

#include "convert/PdbImport.h"
#include "model/ATREE.h"
#include "platform/desktop/MessageBox.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static ScopedMessageBoxHook quiet(IDOK);
  static const std::string path = [] {
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir && *dir ? dir : "/tmp") + "/pdbfuzz-" + std::to_string(getpid()) + ".pdb";
  }();
  if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  ATREE model;
  if (ImportPdbFile(model, path.c_str())) {
    model.MakeTreeData();
    for (int i = 0; i < model.GetDirDataCount(); ++i) model.GetParent(i);
  }
  std::remove(path.c_str());
  return 0;
}
