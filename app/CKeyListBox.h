#pragma once
// The bindings of a key table in two columns, the keys and the names of their commands, sorted
// by Ctrl, Shift, Alt and key, then by command.
#include <wx/vlbox.h>

#include <vector>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CKeycust;
class CKeycustArray;

class CKeyListBox : public wxVListBox {
 public:
  CKeyListBox(wxWindow* parent, int id, const CKeycustArray& table, const std::vector<CString>& commandNames,
              const std::vector<UINT>& commandIds);

  void ResetContent();
  // Inserts the binding at its sorted place; the list refers to it, the table keeps it.
  void AddItem(CKeycust* binding);
  CKeycust* GetItemData(int index) const { return m_items[static_cast<size_t>(index)]; }
  int GetCount() const { return static_cast<int>(m_items.size()); }
  // Width of the key column in average characters.
  void SetKeyColumnWidth(int width) { m_nKeyWidth = width; }
  int GetKeyColumnWidth() const { return m_nKeyWidth; }
  // The key text and the command name an item shows.
  CString GetKeyText(int index) const;
  CString GetCommandText(int index) const;
  // x of the column line in pixels.
  int GetColumnX() const;

  static int CompareItem(const CKeycust& a, const CKeycust& b);

 protected:
  void OnDrawItem(wxDC& dc, const wxRect& rect, size_t n) const override;
  void OnDrawBackground(wxDC& dc, const wxRect& rect, size_t n) const override;
  wxCoord OnMeasureItem(size_t n) const override;

 private:
  const CKeycustArray& m_table;
  const std::vector<CString>& m_commandNames;
  const std::vector<UINT>& m_commandIds;
  std::vector<CKeycust*> m_items;
  int m_nKeyWidth = 10;
};
