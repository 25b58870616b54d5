#include "tests/convert/ExportDialogTestSupport.h"

#include <sstream>

#include "tests/common/TestSupport.h"

namespace export_dialog_test {

void WriteSettings(const std::string& path, const std::string& textSection) {
  kesta_test::WriteBytes(path, "[System]\r\nMRU=4\r\n[Mark]\r\nCheck=*\r\n[Text]\r\n" + textSection + "[Html]\r\nDir=/h\r\n");
}

std::string WithoutSection(const std::string& bytes, const std::string& section) {
  std::istringstream lines(bytes);
  std::string line, kept;
  bool inside = false;
  while (std::getline(lines, line)) {
    if (!line.empty() && line[0] == '[') inside = line.rfind("[" + section + "]", 0) == 0;
    if (!inside) kept += line + "\n";
  }
  return kept;
}

}  // namespace export_dialog_test
