#pragma once
// The small dialogs of the editing commands: jump to a line ("ジャンプ") and the character
// conversion ("半角/全角変換").

#include <wx/dialog.h>

class wxCheckBox;
class wxRadioButton;
class wxTextCtrl;

// Item ids of the two dialogs.
enum : int {
  IDC_JUMP_LINE = 1000,
  IDC_JUMP_LOGICAL = 1001,
  IDC_CONVERT_KATAKANA = 1010,  // then the other five categories in order
  IDC_CONVERT_TOFULL = 1016,
  IDC_CONVERT_TOHALF = 1017,
  IDC_CONVERT_WHOLE = 1018,
  IDC_CONVERT_SELECTION = 1019,
};

class CJumpDialog : public wxDialog {
 public:
  CJumpDialog(wxWindow* parent, int line, bool logical);
  // The number typed (1-based); 0 when the field holds no number.
  long GetLine() const;
  bool IsLogical() const;

 private:
  wxTextCtrl* m_line;
  wxCheckBox* m_logical;
};

// The choices of the conversion dialog, kept by the control from one use to the next.
struct CConvertChoice {
  unsigned categories = 0;
  bool toFull = true;
  bool selectionOnly = false;
};

class CConvertDialog : public wxDialog {
 public:
  CConvertDialog(wxWindow* parent, const CConvertChoice& choice, bool hasSelection);
  CConvertChoice GetChoice() const;

 private:
  wxCheckBox* m_categories[6];
  wxRadioButton* m_toFull;
  wxRadioButton* m_selectionOnly;
};
