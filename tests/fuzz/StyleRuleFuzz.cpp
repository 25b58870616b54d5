// The style-rule parser on arbitrary rule texts, with a property set and the rule written back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "foundation/CStyleRule.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const CString text(std::string(reinterpret_cast<const char*>(data), size));
  CStyleRule rule;
  if (!rule.ParseRule(text)) return 0;
  rule.GetStyleText(FALSE, TRUE);
  rule.SetStyle("color", "red");
  rule.SetStyle("margin", "");
  rule.GetStyleText(FALSE, TRUE);
  rule.GetStyleText(TRUE, FALSE);
  return 0;
}
