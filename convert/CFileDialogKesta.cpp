#include "convert/CFileDialogKesta.h"

#include <wx/filectrl.h>
#include <wx/filedlg.h>

#include "platform/CodePage.h"

CString CFileDialogKesta::ChangeTypeExtension(const CString& name, int typeIndex) {
  static const char* const kExtensions[] = {".kvn", ".txt", ".mem"};
  if (typeIndex < 1 || typeIndex > 3) return name;
  CString result = name;
  const int slash = result.ReverseFind('/');
  const int dot = result.ReverseFind('.');
  if (dot > slash) result = result.Left(dot);
  return result + kExtensions[typeIndex - 1];
}

int CFileDialogKesta::ShowChooser(wxFileDialog& dialog, std::vector<CString>& paths, int& filterIndex) {
  dialog.Bind(wxEVT_FILECTRL_FILTERCHANGED, [&dialog](wxFileCtrlEvent& event) {
    const CString name = WxToCP932(dialog.GetFilename());
    dialog.SetFilename(CP932ToWx(ChangeTypeExtension(name, event.GetFilterIndex() + 1).str()));
    event.Skip();
  });
  return CFileDialogEx::ShowChooser(dialog, paths, filterIndex);
}
