#pragma once
// The save dialog of outline documents: its file types are the native file, plain text and the
// other editor's outline text, in this order, and the name follows the chosen type.
#include "foundation/CFileDialogEx.h"

class CFileDialogKesta : public CFileDialogEx {
 public:
  using CFileDialogEx::CFileDialogEx;

  // The name with the extension of the 1-based type (".kvn", ".txt", ".mem") in place of its
  // own; only the last path component's extension changes. Other types leave the name alone.
  static CString ChangeTypeExtension(const CString& name, int typeIndex);

 protected:
  int ShowChooser(wxFileDialog& dialog, std::vector<CString>& paths, int& filterIndex) override;
};
