#pragma once
// The file chooser of the text output, with two extra controls: "設定(&S)..." opens the output
// format as a pure settings dialog, and "出力後そのファイルを開く" asks for the written file to be
// opened. The check box starts from Text/"Preview" and goes back there when a name is confirmed.
#include "foundation/CFileDialogEx.h"

class CTextOutOpenDlg : public CFileDialogEx {
 public:
  CTextOutOpenDlg(BOOL openFileDialog, const char* defExt, const char* fileName, DWORD flags, const char* filter,
                  wxWindow* parent = nullptr);

  INT_PTR DoModal() override;
  BOOL OnFileNameOK() override;
  // "設定(&S)...": the output format dialog without its output buttons, over the chooser.
  virtual void OnFormatSettings(wxWindow* chooser);

  BOOL m_bOpenAfter = FALSE;  // the check box "出力後そのファイルを開く"

 protected:
  int ShowChooser(wxFileDialog& dialog, std::vector<CString>& paths, int& filterIndex) override;
};
