#include "convert/CTextOutOpenDlg.h"

#include <wx/filedlg.h>
#include <wx/filedlgcustomize.h>

#include "convert/CFormDlg.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"

namespace {

class OutputControls : public wxFileDialogCustomizeHook {
 public:
  OutputControls(CTextOutOpenDlg& owner, wxFileDialog& chooser) : m_owner(owner), m_chooser(chooser) {}

  void AddCustomControls(wxFileDialogCustomize& customizer) override {
    wxFileDialogButton* settings = customizer.AddButton(CP932ToWx("設定(&S)..."));
    settings->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { m_owner.OnFormatSettings(&m_chooser); });
    m_openAfter = customizer.AddCheckBox(CP932ToWx("出力後そのファイルを開く"));
    m_openAfter->SetValue(m_owner.m_bOpenAfter != FALSE);
  }
  void TransferDataFromCustomControls() override { m_owner.m_bOpenAfter = m_openAfter->GetValue() ? TRUE : FALSE; }

 private:
  CTextOutOpenDlg& m_owner;
  wxFileDialog& m_chooser;
  wxFileDialogCheckBox* m_openAfter = nullptr;
};

}  // namespace

CTextOutOpenDlg::CTextOutOpenDlg(BOOL openFileDialog, const char* defExt, const char* fileName, DWORD flags,
                                 const char* filter, wxWindow* parent)
    : CFileDialogEx(openFileDialog, defExt, fileName, flags, filter, parent) {}

INT_PTR CTextOutOpenDlg::DoModal() {
  m_bOpenAfter = AfxGetProfileInt("Text", "Preview", 0) ? TRUE : FALSE;
  return CFileDialogEx::DoModal();
}

BOOL CTextOutOpenDlg::OnFileNameOK() {
  AfxWriteProfileInt("Text", "Preview", m_bOpenAfter ? 1 : 0);
  return CFileDialogEx::OnFileNameOK();
}

void CTextOutOpenDlg::OnFormatSettings(wxWindow* chooser) {
  CFormDlg form(chooser, FALSE);
  form.DoModal();
}

int CTextOutOpenDlg::ShowChooser(wxFileDialog& dialog, std::vector<CString>& paths, int& filterIndex) {
  OutputControls controls(*this, dialog);
  dialog.SetCustomizeHook(controls);
  return CFileDialogEx::ShowChooser(dialog, paths, filterIndex);
}
