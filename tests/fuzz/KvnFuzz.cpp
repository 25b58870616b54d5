// The native outline reader on files that other people send, plain and enciphered. The first byte
// of an input chooses the form (odd: the rest is enciphered with the no-password key, as a file
// with only a write password is); the rest is the file. A password prompt cannot be answered
// here, so an enciphered header that asks for one is turned into one that does not.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include <unistd.h>

#include "model/ATREE.h"
#include "model/KvnCrypt.h"
#include "platform/desktop/MessageBox.h"

namespace {

std::string TempPath() {
  static const std::string path = [] {
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir && *dir ? dir : "/tmp") + "/kvnfuzz-" + std::to_string(getpid()) + ".kvn";
  }();
  return path;
}

void WriteAll(const std::string& path, const std::string& bytes) {
  if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static ScopedMessageBoxHook quiet(IDOK);
  if (size == 0) return 0;
  std::string file(reinterpret_cast<const char*>(data) + 1, size - 1);
  if (data[0] & 1) {
    std::string body = file;
    const size_t k = std::strlen(KvnCrypt::NoPasswordKey);
    for (size_t offset = 0; offset < body.size(); offset += k) {
      KvnCrypt::EncipherBlock(reinterpret_cast<unsigned char*>(body.data() + offset), KvnCrypt::NoPasswordKey,
                              static_cast<int>(std::min(k, body.size() - offset)));
    }
    file = std::string("PELKO00A\x01\x01\x00\x00", 12) + body;
  } else if (file.size() >= 12 && file.compare(0, 5, "PELKO") == 0) {
    file[10] = file[11] = '\0';
  }
  const std::string path = TempPath();
  WriteAll(path, file);
  ATREE model;
  if (model.ReadKvnFile(path.c_str())) {
    model.MakeTreeData();
    for (int i = 0; i < model.GetDirDataCount(); ++i) {
      model.GetParent(i);
      model.GetNextSibling(i, TRUE);
      model.GetName(i);
      model.GetDirData(i)->GetIdText(TRUE);
    }
    model.GetRows().GetMaxRowTextLength();
  }
  std::remove(path.c_str());
  return 0;
}
