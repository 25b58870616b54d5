#pragma once
// A tool bar with a text field (a drop-down combo box) in place of one of its separators: the
// find bar and the grep bar of the main frame.
#include <wx/combobox.h>

#include <vector>

#include "platform/desktop/CFont.h"
#include "platform/framework/CToolBar.h"

class CFindToolBar : public CToolBar {
 public:
  CFindToolBar() = default;
  ~CFindToolBar() override;

  // The separator at index becomes the field: width 150, window id fieldId, drop height 400;
  // Enter in the field sends enterCommand to the frame. FALSE when the field cannot be made.
  BOOL CreateField(int index, UINT fieldId, UINT enterCommand);
  wxComboBox* GetField() const { return m_pCombo; }
  // The field's text in the program's code page.
  CString GetFieldText() const;

 private:
  wxComboBox* m_pCombo = nullptr;  // a child of the bar
  CFont m_font;
};
