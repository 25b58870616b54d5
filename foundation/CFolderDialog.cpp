#include "foundation/CFolderDialog.h"

#include <wx/dirdlg.h>
#include <wx/filefn.h>

#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "platform/framework/AfxDialogOwner.h"

CFolderDialog::CFolderDialog() : m_bCurrentDir(0) {}

CFolderDialog::~CFolderDialog() = default;

int CFolderDialog::BrowseForFolder() {
  wxString start;
  if (m_bCurrentDir) {
    start = wxGetCwd();
  } else if (!m_strPath.IsEmpty()) {
    start = CP932ToWx(m_strPath.GetString());
  }
  const CString title = m_strTitle.IsEmpty() ? CString("フォルダ選択") : m_strTitle;
  wxDirDialog dialog(AfxGetDialogOwner(), CP932ToWx(title.GetString()), start,
                     wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST);
  if (dialog.ShowModal() != wxID_OK) return IDCANCEL;
  const wxString chosen = dialog.GetPath();
  if (chosen.empty()) return IDCANCEL;
  m_strPath = WxToCP932(chosen);
  return IDOK;
}

BOOL CFolderDialog::Choose(CString& folder, const char* title) {
  CFolderDialog dialog;
  dialog.m_strTitle = title;
  dialog.m_strPath = folder;
  if (dialog.BrowseForFolder() != IDOK) return FALSE;
  folder = dialog.GetPathName();
  return TRUE;
}
