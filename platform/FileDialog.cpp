#include "platform/FileDialog.h"

#include <wx/filedlg.h>

#include "platform/CodePage.h"
#include "platform/FileDialogFilter.h"

std::unique_ptr<wxFileDialog> MakeFileDialog(wxWindow* owner, const char* title, const char* folder,
                                             const char* file, const char* filter, long style) {
  return std::make_unique<wxFileDialog>(owner, CP932ToWx(title), CP932ToWx(folder), CP932ToWx(file),
                                        CP932ToWx(FileFilterToWx(filter).str()), style);
}

bool ChooseFile(wxWindow* owner, const char* title, const char* folder, const char* file, const char* filter,
                long style, FileChoice& choice, const char* defaultExtension) {
  std::unique_ptr<wxFileDialog> dialog = MakeFileDialog(owner, title, folder, file, filter, style);
  if (dialog->ShowModal() != wxID_OK) return false;
  choice.path = WxToCP932(dialog->GetPath());
  choice.folder = WxToCP932(dialog->GetDirectory());
  if (defaultExtension && choice.path.Find('.', choice.path.ReverseFind('/') + 1) < 0)
    choice.path += CString(".") + defaultExtension;
  return true;
}
