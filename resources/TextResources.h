#pragma once
// Texts the program carries inside itself, found as resources are: by type and number. The
// template of the framed HTML export's main page is one; its sources are the files in
// resources/treepage, put together when the program is built.
#include "platform/base/CString.h"

inline constexpr char kTextResourceType[] = "PELKOTEXT";
enum : int {
  IDR_TREE_PAGE_TEMPLATE = 221,
};

// The resource's bytes (Shift JIS text); false when the program carries no such resource.
bool LoadTextResource(const char* type, int id, CString& text);
