#pragma once
// How dates and times are inserted into text, kept in section "DateOpt" of the settings file:
// read when the dialog opens, written when it closes with OK.
#include <wx/dialog.h>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class wxCheckBox;
class wxChoice;
class wxTextCtrl;

class CDateOptDlg : public wxDialog {
 public:
  enum {
    IDD = 124,
    IDC_YEAR = 153,
    IDC_WEEK = 154,
    IDC_NENGO = 155,
    IDC_MARK = 156,
    IDC_NENGAPPI = 157,
    IDC_TIME = 158,
    IDC_YEAR4 = 188,
    IDC_TIME_KANJI = 287,
    IDC_TIME24 = 288,
    IDC_AMPM = 290,
  };
  static constexpr DWORD kHelpTopic = 95;

  explicit CDateOptDlg(wxWindow* parent = nullptr);

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  // The settings file's values, and back; Save writes the keys in their fixed order.
  void Load();
  void Save() const;

  int m_bNengo = 0;
  int m_bWeek = 1;
  int m_bYear = 0;
  CString m_strMark = "/";
  int m_bNengappi = 0;
  int m_bTime = 0;
  int m_bYear4 = 0;
  int m_bTime24 = 1;
  int m_bTimeKanji = 0;
  int m_nTimeAMPM = 0;  // 0 none, 1 "AM/PM", 2 "午前/午後"

 private:
  wxCheckBox* Check(int id) const;
  void OnNengappi(wxCommandEvent& event);
  void OnNengo(wxCommandEvent& event);
  void OnOK(wxCommandEvent& event);

  wxTextCtrl* m_mark;
  wxChoice* m_ampm;
};
