#include "foundation/CFileDialogEx.h"

#include <wx/filedlg.h>
#include <wx/weakref.h>

#include <sys/stat.h>

#include "platform/framework/AfxDialogOwner.h"
#include "platform/base/CodePage.h"
#include "platform/framework/FileDialog.h"
#include "platform/framework/FileDialogFilter.h"
#include "platform/desktop/MessageBox.h"

namespace {

bool Exists(const CString& path) {
  struct stat info {};
  return stat(CP932ToUTF8(path.GetString()).c_str(), &info) == 0;
}

}  // namespace

CFileDialogEx::CFileDialogEx(BOOL openFileDialog, const char* defExt, const char* fileName, DWORD flags,
                             const char* filter, wxWindow* parent)
    : m_bOpenFileDialog(openFileDialog), m_strFileName(fileName) {
  m_ofn.Flags = flags;
  m_ofn.lpstrDefExt = defExt;
  m_ofn.lpstrFilter = filter;
  m_ofn.hwndOwner = parent;
}

CFileDialogEx::~CFileDialogEx() = default;

long CFileDialogEx::WxStyle() const {
  long style = m_bOpenFileDialog ? wxFD_OPEN : wxFD_SAVE;
  if (m_bOpenFileDialog && (m_ofn.Flags & OFN_ALLOWMULTISELECT)) style |= wxFD_MULTIPLE;
  if (m_bOpenFileDialog && (m_ofn.Flags & OFN_FILEMUSTEXIST)) style |= wxFD_FILE_MUST_EXIST;
  if (!m_bOpenFileDialog && (m_ofn.Flags & OFN_OVERWRITEPROMPT)) style |= wxFD_OVERWRITE_PROMPT;
  return style;
}

INT_PTR CFileDialogEx::DoModal() {
  wxWeakRef<wxWindow> focus(wxWindow::FindFocus());
  wxWindow* owner = m_ofn.hwndOwner ? m_ofn.hwndOwner : AfxGetDialogOwner();

  CString folder = m_ofn.lpstrInitialDir;
  CString name = m_strFileName;
  const int slash = name.ReverseFind('/');
  if (slash >= 0) {
    folder = name.Left(slash + 1);
    name = name.Mid(slash + 1);
  }
  const DWORD filterCount = static_cast<DWORD>(wxSplit(CP932ToWx(FileFilterToWx(m_ofn.lpstrFilter).str()), '|').size() / 2);
  INT_PTR result = IDCANCEL;
  for (;;) {
    const std::unique_ptr<wxFileDialog> chooser =
        MakeFileDialog(owner, m_ofn.lpstrTitle, folder, name, m_ofn.lpstrFilter, WxStyle());
    wxFileDialog& dialog = *chooser;
    // An index beyond the filters shows the first one, as on Windows.
    if (m_ofn.nFilterIndex > 0 && m_ofn.nFilterIndex <= filterCount)
      dialog.SetFilterIndex(static_cast<int>(m_ofn.nFilterIndex) - 1);
    int filterIndex = 0;
    m_paths.clear();
    if (ShowChooser(dialog, m_paths, filterIndex) != wxID_OK) break;
    if (m_paths.empty() || m_paths.front().IsEmpty()) break;
    m_ofn.nFilterIndex = static_cast<DWORD>(filterIndex + 1);
    m_strFileName = m_paths.front();

    const BOOL kept = ApplyDefaultExtension();
    if (kept && !OnFileNameOK()) {
      result = IDOK;
      break;
    }
    // Refused: ask again, starting from the name the user gave.
    const int cut = m_strFileName.ReverseFind('/');
    folder = m_strFileName.Left(cut + 1);
    name = m_strFileName.Mid(cut + 1);
  }
  if (result != IDOK) m_paths.clear();
  if (focus) focus->SetFocus();
  return result;
}

int CFileDialogEx::ShowChooser(wxFileDialog& dialog, std::vector<CString>& paths, int& filterIndex) {
  const int result = dialog.ShowModal();
  if (result != wxID_OK) return result;
  wxArrayString chosen;
  if (dialog.HasFlag(wxFD_MULTIPLE)) {
    dialog.GetPaths(chosen);
  } else {
    chosen.push_back(dialog.GetPath());
  }
  for (const wxString& path : chosen) paths.push_back(WxToCP932(path));
  filterIndex = dialog.GetFilterIndex();
  return result;
}

BOOL CFileDialogEx::ApplyDefaultExtension() {
  if (m_bOpenFileDialog || m_ofn.lpstrDefExt.IsEmpty() || !GetFileExt().IsEmpty()) return TRUE;
  m_strFileName += "." + m_ofn.lpstrDefExt;
  m_paths.front() = m_strFileName;
  // The chooser asked about the name without the extension only.
  if ((m_ofn.Flags & OFN_OVERWRITEPROMPT) && Exists(m_strFileName)) {
    CString text;
    text.Format("%s は既に存在します。\n上書きしますか?", GetFileName().GetString());
    return AfxMessageBox(text, MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
  }
  return TRUE;
}

BOOL CFileDialogEx::OnFileNameOK() { return FALSE; }

CString CFileDialogEx::GetPathName() const { return m_paths.empty() ? CString() : m_paths.front(); }

CString CFileDialogEx::GetFileName() const {
  const CString path = m_paths.empty() ? m_strFileName : m_paths.front();
  return path.Mid(path.ReverseFind('/') + 1);
}

CString CFileDialogEx::GetFileExt() const {
  const CString name = GetFileName();
  const int dot = name.ReverseFind('.');
  return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialogEx::GetFileTitle() const {
  const CString name = GetFileName();
  const int dot = name.ReverseFind('.');
  return dot < 0 ? name : name.Left(dot);
}

CString CFileDialogEx::GetFolderPath() const {
  const CString path = GetPathName();
  const int slash = path.ReverseFind('/');
  return slash <= 0 ? CString(slash == 0 ? "/" : "") : path.Left(slash);
}
