#pragma once
// The created and updated times of one item, each a date and a time with a tick: an unticked time
// is unset.
#include <wx/dialog.h>

#include "platform/base/COleDateTime.h"

class wxCheckBox;
class wxDatePickerCtrl;
class wxTimePickerCtrl;

class CTimeStampDlg : public wxDialog {
 public:
  enum { IDD = 201, IDC_UPDATED = 245, IDC_CREATED = 246 };

  explicit CTimeStampDlg(wxWindow* parent);

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  // Both start as now; null means unset.
  COleDateTime m_timeUpdate = COleDateTime::GetCurrentTime();
  COleDateTime m_timeCreate = COleDateTime::GetCurrentTime();

 private:
  struct Picker {
    wxCheckBox* tick;
    wxDatePickerCtrl* date;
    wxTimePickerCtrl* time;
  };
  Picker AddPicker(wxSizer* grid, int id, const char* label);
  static void Put(const Picker& picker, const COleDateTime& value);
  static COleDateTime Take(const Picker& picker);
  void OnTick(wxCommandEvent& event);

  Picker m_created;
  Picker m_updated;
};
