#include "convert/CFileDialogKesta.h"

#include "platform/framework/FileDialog.h"

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
  FollowFileType(dialog, ChangeTypeExtension);
  return CFileDialogEx::ShowChooser(dialog, paths, filterIndex);
}
