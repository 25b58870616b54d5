#pragma once
// Command and window ids that the document/view framework itself handles; they keep the values
// that menus, key files and tool bars store. Show commands (SW_*) are in WinTypes.h.
#include "platform/base/WinTypes.h"

enum : int {
  ID_FILE_NEW = 0xE100,
  ID_FILE_OPEN = 0xE101,
  ID_FILE_CLOSE = 0xE102,
  ID_FILE_SAVE = 0xE103,
  ID_FILE_SAVE_AS = 0xE104,
  ID_FILE_PAGE_SETUP = 0xE105,
  ID_FILE_PRINT_SETUP = 0xE106,
  ID_FILE_PRINT = 0xE107,
  ID_FILE_PRINT_DIRECT = 0xE108,  // print without the print dialog
  ID_FILE_PRINT_PREVIEW = 0xE109,
  ID_FILE_MRU_FILE1 = 0xE110,
  ID_FILE_MRU_LAST = 0xE11F,  // sixteen recent-file entries at most
  ID_EDIT_CLEAR = 0xE120,
  ID_EDIT_COPY = 0xE122,
  ID_EDIT_CUT = 0xE123,
  ID_EDIT_FIND = 0xE124,
  ID_EDIT_PASTE = 0xE125,
  ID_EDIT_REPEAT = 0xE128,
  ID_EDIT_REPLACE = 0xE129,
  ID_EDIT_SELECT_ALL = 0xE12A,
  ID_EDIT_UNDO = 0xE12B,
  ID_EDIT_REDO = 0xE12C,
  ID_WINDOW_ARRANGE = 0xE131,  // arrange the icons of minimised windows
  ID_WINDOW_CASCADE = 0xE132,
  ID_WINDOW_TILE_HORZ = 0xE133,  // stacked: each window as wide as the client area
  ID_WINDOW_TILE_VERT = 0xE134,  // side by side
  ID_WINDOW_SPLIT = 0xE135,
  ID_APP_ABOUT = 0xE140,
  ID_APP_EXIT = 0xE141,
  ID_HELP_INDEX = 0xE142,
  ID_HELP_FINDER = 0xE143,
  ID_HELP = 0xE146,  // F1 on a dialog or page
  ID_INDICATOR_CAPS = 0xE701,  // status-bar panes
  ID_INDICATOR_NUM = 0xE702,
  ID_INDICATOR_SCRL = 0xE703,
  ID_INDICATOR_KANA = 0xE706,
  ID_VIEW_TOOLBAR = 0xE800,
  ID_VIEW_STATUS_BAR = 0xE801,
  AFX_IDW_STATUS_BAR = 0xE801,
  AFX_IDW_PANE_FIRST = 0xE900,  // the pane that fills a frame's client area
};
