#include "treeview/StoredForms.h"

#include <wx/msgdlg.h>

#include "platform/CodePage.h"

bool IsOutlineDocumentPath(const char* path) {
  const CString text(path);
  const int dot = text.ReverseFind('.');
  if (dot < 0) return false;
  CString ext = text.Mid(dot + 1);
  return ext.MakeLower() == "kvn";
}

void ShowStoredFormError(const char* message) {
  wxMessageBox(CP932ToWx(message), wxTheApp ? wxTheApp->GetAppDisplayName() : wxString(), wxOK | wxICON_EXCLAMATION);
}
