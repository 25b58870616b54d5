#pragma once
// Command and window ids that the document/view framework itself handles; they keep the values
// that menus, key files and tool bars store. Show commands (SW_*) are in WinTypes.h.
#include "platform/WinTypes.h"

enum : int {
  ID_FILE_NEW = 0xE100,
  ID_FILE_OPEN = 0xE101,
  ID_FILE_CLOSE = 0xE102,
  ID_FILE_SAVE = 0xE103,
  ID_FILE_SAVE_AS = 0xE104,
  ID_FILE_PRINT_DIRECT = 0xE108,  // print without the print dialog
  ID_FILE_MRU_FILE1 = 0xE110,
  ID_FILE_MRU_LAST = 0xE11F,  // sixteen recent-file entries at most
  ID_WINDOW_CASCADE = 0xE132,
  ID_WINDOW_TILE_HORZ = 0xE133,  // stacked: each window as wide as the client area
  ID_WINDOW_TILE_VERT = 0xE134,  // side by side
  ID_APP_EXIT = 0xE141,
  AFX_IDW_PANE_FIRST = 0xE900,  // the pane that fills a frame's client area
};
