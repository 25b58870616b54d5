// The XML reader on arbitrary server replies.
#include <cstddef>
#include <cstdint>
#include <string>

#include "foundation/CDXMLDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CDXMLDocument doc;
  doc.LoadXmlText(CString(std::string(reinterpret_cast<const char*>(data), size)), 0);
  CDXMLElement* root = doc.GetDocumentElement();
  if (!root) return 0;
  root->GetText();
  const CDXMLNodeList all = root->GetElementsByTagName();
  for (int i = 0; i < all.GetLength(); ++i) {
    auto* element = static_cast<CDXMLElement*>(all.GetItem(i));
    element->GetText();
    element->GetAttribute("id");
    root->GetElementsByTagName(element->GetNodeName());
  }
  return 0;
}
