#pragma once
// Asked when a dragged tree is dropped: where it goes beside the tree it was dropped on, and
// whether the question is asked again (the drag-and-drop mode).
#include <wx/dialog.h>

class wxChoice;
class wxListBox;

class CDragDropDlg : public wxDialog {
 public:
  enum { IDD = 184, IDC_POSITION = 161, IDC_MODE = 278 };
  // Drop positions: as a child, at the target's place, below the target.
  static constexpr int kAsChild = 0;
  static constexpr int kAtPlace = 1;
  static constexpr int kBelow = 2;

  explicit CDragDropDlg(wxWindow* parent);

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  int m_nPosition = 0;
  int m_nMode = 1;  // 0 no dragging, 1 ask at each drop, 2 use the stored position, 3 the old fixed rule

 private:
  // Stores the position and the mode in the settings and the application, then closes with OK.
  void OnOK(wxCommandEvent& event);

  wxListBox* m_list;
  wxChoice* m_mode;
};
