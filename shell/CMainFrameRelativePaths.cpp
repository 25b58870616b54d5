// Paths stored relative to an outline document, and resolved again. Pure text work on "/"
// separated paths; the file system is never asked.
#include "shell/CMainFrame.h"
#include "platform/desktop/MessageBox.h"

namespace {

// Splits at the last "/": the folder keeps its final "/"; a path without one is all folder.
void SplitLast(const CString& path, CString& folder, CString& name) {
  const int slash = path.ReverseFind('/');
  if (slash < 0) {
    folder = path;
    name.Empty();
    return;
  }
  folder = path.Left(slash + 1);
  name = path.Mid(slash + 1);
}

CString FirstComponent(const CString& folder) {
  const int slash = folder.Find('/');
  return slash < 0 ? folder : folder.Left(slash + 1);
}

}  // namespace

CString CMainFrame::MakeRelativePath(const char* basePath, const char* targetPath) {
  const CString base(basePath), target(targetPath);
  if (base.GetLength() > 1 && target.GetLength() > 1 && base[0] != target[0]) return target;
  CString baseFolder, baseName, targetFolder, targetName;
  SplitLast(base, baseFolder, baseName);
  SplitLast(target, targetFolder, targetName);
  if (baseFolder == targetFolder) return targetName;
  while (!baseFolder.IsEmpty() && !targetFolder.IsEmpty()) {
    CString a = FirstComponent(baseFolder), b = FirstComponent(targetFolder);
    CString upperA = a, upperB = b;
    if (upperA.MakeUpper() != upperB.MakeUpper()) break;
    baseFolder = baseFolder.Mid(a.GetLength());
    targetFolder = targetFolder.Mid(b.GetLength());
  }
  CString result;
  for (int i = 0; i < baseFolder.GetLength(); ++i)
    if (baseFolder[i] == '/') result += "../";
  return result + targetFolder + targetName;
}

CString CMainFrame::MakeAbsolutePath(const char* basePath, const char* relativePath) {
  const CString base(basePath), relative(relativePath);
  const int slash = base.ReverseFind('/');
  CString folder = slash < 0 ? base : base.Left(slash);
  // A path of its own root is no relative path.
  if (!relative.IsEmpty() && relative[0] == '/') return relative;
  if (relative.GetLength() > 2 && relative[1] == ':') return relative;
  if (relative.Find("../") < 0) {
    const bool ends = !folder.IsEmpty() && folder[folder.GetLength() - 1] == '/';
    return folder + (ends ? "" : "/") + relative;
  }
  CString rest = relative;
  while (rest.Left(3) == "../") {
    rest = rest.Mid(3);
    const int cut = folder.ReverseFind('/');
    if (cut < 0) {
      AfxMessageBox("相対パスが誤っています");
      return relative;
    }
    folder = folder.Left(cut);
  }
  return folder + "/" + rest;
}
