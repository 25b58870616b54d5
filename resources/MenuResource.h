#pragma once
// The program's menus, built from their tables under the resource ids that frames and views load
// them by: 2 the main frame without a document, 3 the outline window, 4 the chart window, 121 the
// context menus, 122 the grep window. Item positions that code relies on stay fixed: the File
// menu's bookmark submenu (item 11 in menu 2, item 25 in menu 3), the mark menu (menu 3's fifth),
// and the popups of menu 121 with their bookmark submenus.
#include <memory>

#include "platform/base/WinTypes.h"

class wxMenu;
class wxMenuBar;

enum : UINT {
  IDR_MAINFRAME = 2,
  IDR_KESTAVTYPE = 3,
  IDR_CHARTTYPE = 4,
  IDR_CONTEXT = 121,
  IDR_GREPTYPE = 122,
};

// The menu bar of a resource; null for an id that has none (121, or unknown).
std::unique_ptr<wxMenuBar> LoadMenuBar(UINT resourceId);
// One top-level popup of a resource (for 121, the context menu of that index); null when the
// resource or the index does not exist.
std::unique_ptr<wxMenu> LoadPopupMenu(UINT resourceId, int subMenuIndex);
// The commands of the outline window that code, tool-bar buttons and keys send but no visible
// menu shows ("WORK"); null for the other resources. Never attached to a menu bar.
std::unique_ptr<wxMenu> LoadWorkMenu(UINT resourceId);
