#pragma once
// The base of every open and save dialog of the program, over the desktop's file chooser. It takes
// the arguments and the record fields that code written for the Windows dialog sets, shows
// Windows-style filters without regard to case, gives derived dialogs the chosen name to accept
// or refuse, and gives the focus back to the window that had it.
#include <vector>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class wxFileDialog;
class wxWindow;

#define OFN_READONLY 0x00000001u
#define OFN_OVERWRITEPROMPT 0x00000002u
#define OFN_HIDEREADONLY 0x00000004u
#define OFN_NOCHANGEDIR 0x00000008u
#define OFN_ALLOWMULTISELECT 0x00000200u
#define OFN_PATHMUSTEXIST 0x00000800u
#define OFN_FILEMUSTEXIST 0x00001000u
#define OFN_EXPLORER 0x00080000u

class CFileDialogEx {
 public:
  // The fields of the dialog record that callers set before DoModal and read after it.
  struct OpenFileName {
    DWORD Flags = 0;
    DWORD nFilterIndex = 1;  // 1-based; the chosen filter after OK
    CString lpstrFilter;     // "text|pattern|...||"
    CString lpstrDefExt;     // without the dot
    CString lpstrInitialDir;
    CString lpstrTitle;
    wxWindow* hwndOwner = nullptr;
  };

  CFileDialogEx(BOOL openFileDialog, const char* defExt = nullptr, const char* fileName = nullptr,
                DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const char* filter = nullptr,
                wxWindow* parent = nullptr);
  virtual ~CFileDialogEx();
  CFileDialogEx(const CFileDialogEx&) = delete;
  CFileDialogEx& operator=(const CFileDialogEx&) = delete;

  // IDOK or IDCANCEL.
  virtual INT_PTR DoModal();
  // Called with the chosen name in place; a non-zero result refuses it and the dialog shows again.
  virtual BOOL OnFileNameOK();

  CString GetPathName() const;
  CString GetFileName() const;
  CString GetFileExt() const;
  CString GetFileTitle() const;
  CString GetFolderPath() const;
  // Every chosen file of a multiple selection.
  const std::vector<CString>& GetPathNames() const { return m_paths; }

  OpenFileName m_ofn;

 protected:
  // Shows the chooser; on OK (the result wxID_OK) fills the chosen paths and the 0-based filter.
  virtual int ShowChooser(wxFileDialog& dialog, std::vector<CString>& paths, int& filterIndex);

  BOOL m_bOpenFileDialog;

 private:
  long WxStyle() const;
  // The default extension is added to a saved name that has none; FALSE when the user then
  // refuses to overwrite the file it names.
  BOOL ApplyDefaultExtension();

  CString m_strFileName;  // initial name, then the chosen one
  std::vector<CString> m_paths;
};
