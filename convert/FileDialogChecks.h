#pragma once
// The base of the file dialogs that carry check boxes of their own below the chooser. Each box
// is bound to an int member and to a setting: the settings are read when the dialog
// opens and written back only when the user confirms a name, so Cancel leaves them as they were.
#include <vector>

#include "foundation/CFileDialogEx.h"
#include "foundation/SettingEntry.h"

class CFileDialogChecks : public CFileDialogEx {
 public:
  using CFileDialogEx::CFileDialogEx;

  INT_PTR DoModal() override;
  BOOL OnFileNameOK() override;

  // Reads every key into its member (defaults when missing); DoModal calls it first.
  virtual BOOL OnInitDialog();

 protected:
  struct Check {
    const char* label;  // Shift JIS, as the box shows it
    const IntSetting& setting;
    int* member;
  };
  // The derived dialog's boxes in their order.
  void AddCheck(const char* label, const IntSetting& setting, int* member);

  int ShowChooser(wxFileDialog& dialog, std::vector<CString>& paths, int& filterIndex) override;

 private:
  std::vector<Check> m_checks;
};
