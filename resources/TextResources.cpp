#include "resources/TextResources.h"

#include <cstring>

#include "resources/TreePageTemplate.h"

bool LoadTextResource(const char* type, int id, CString& text) {
  if (type == nullptr || std::strcmp(type, kTextResourceType) != 0 || id != IDR_TREE_PAGE_TEMPLATE) return false;
  text = CString(kTreePageTemplate, static_cast<int>(sizeof(kTreePageTemplate)));
  return true;
}
