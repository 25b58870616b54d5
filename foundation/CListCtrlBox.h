#pragma once
// A report-style list used as a list box: grid lines, whole-row selection, one selected row unless
// the caller asks for more, and right clicks passed on to the parent after the list's own handling.
#include <wx/listctrl.h>

#include "platform/base/WinTypes.h"

// Windows style bit that lets the list select several rows.
#define LISTBOX_MULTISEL 0x0800u

class CListCtrlBox : public wxListCtrl {
 public:
  CListCtrlBox();
  ~CListCtrlBox() override;

  bool Create(wxWindow* parent, int id, const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
              DWORD style = 0);

  // Appends a left-aligned column.
  int AddColumn(const char* heading, int width);
  // Sub-item 0 appends a row (with the item data unless it is -1); sub-item n sets column n of
  // the last row. -1 when there is no row to set.
  int AddItem(int subItem, const char* text, long data = -1);
  // Every column to its contents, or to the wider of contents and heading.
  void AutoSizeColumns(BOOL useHeader);
  int GetSelectedIndex() const;
  int SelectItem(int row);

 private:
  void OnItemAreaRightDown(wxMouseEvent& event);

  wxWindow* m_itemArea = nullptr;
  bool m_inRightDown = false;
};
