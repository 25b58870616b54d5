// The HTML start-tag parser on arbitrary tag texts, and printing back what it read.
#include <cstddef>
#include <cstdint>
#include <string>

#include "foundation/CHtmlElement.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const CString text(std::string(reinterpret_cast<const char*>(data), size));
  CHtmlElement element(text);
  const CString printed = element.ToString(TRUE);
  element.SetAttribute("width", "'10'");
  element.SetCase(size % 3);
  CHtmlElement again(element.GetStartTagText());
  again.ToString(FALSE);
  (void)printed;
  return 0;
}
