#include "convert/TextPages.h"

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "convert/PageFiles.h"
#include "foundation/CTextFile.h"
#include "foundation/PathHelpers.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "model/ATREE.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"

namespace {

CString JoinPath(const CString& folder, const CString& name) {
  if (!folder.IsEmpty() && folder.Right(1) != "/") return folder + "/" + name;
  return folder + name;
}

// A title as one name inside its folder: no separators, and never "." or "..", which would name
// the folder itself or its parent.
CString NameInFolder(const CString& title) {
  const CString name = MakeValidFileName(title);
  if (name.IsEmpty() || name == "." || name == "..") return "_" + name;
  return name;
}

bool IsExisting(const CString& path) {
  std::error_code error;
  return std::filesystem::exists(std::filesystem::path(CP932ToUTF8(path.str())), error);
}

bool MakeFolder(const CString& path) {
  std::error_code error;
  const std::filesystem::path p(CP932ToUTF8(path.str()));
  std::filesystem::create_directory(p, error);
  return std::filesystem::is_directory(p, error);
}

}  // namespace

int WriteTreeTextFile(ATREE& tree, int item, const char* path, CPageFiles* pages) {
  if (ReadSetting(Settings::TextPage::Overwrite) == 0 && IsExisting(path)) return 0;
  std::string bytes;
  if (ReadSetting(Settings::TextPage::Title) == 1) bytes = tree.GetName(item).str() + "\r\n\r\n";
  bytes += tree.GetText(item).str();
  if (pages != nullptr) return pages->Write(path, bytes) ? 1 : 0;
  try {
    CTextFile file(path, "wb");
    file.WriteBytes(bytes);
    file.Close();
  } catch (const CPelkoFileException&) {
    return 0;
  }
  return 1;
}

int WriteTextPage(ATREE& tree, int item, const char* folder, const char* name, const char* ext, CPageFiles* pages) {
  CString fileName;
  if (name != nullptr && *name != '\0') {
    fileName = name;
  } else {
    CString extension = ext != nullptr && *ext != '\0' ? CString(ext) : CString(".txt");
    if (extension.Left(1) != ".") extension = "." + extension;
    fileName = NameInFolder(tree.GetName(item) + extension);
  }
  return WriteTreeTextFile(tree, item, JoinPath(folder, fileName), pages);
}

int ExportTextPages(ATREE& tree, int item, const char* folder, int topOut) {
  const int count = tree.GetDirDataCount();
  if (count == 0) return 1;
  int first = 0;
  int end = count;
  if (ReadSetting(Settings::TextPage::SelectTree) == 1) {
    first = item;
    end = tree.GetNextSibling(item, TRUE);
  }
  const CString ext = ReadSetting(Settings::TextPage::Ext);
  const bool parentText = ReadSetting(Settings::TextPage::ParentText) == 1;
  // The folders from the export folder down to the one being written; the process's current
  // directory is never changed.
  std::vector<CString> folders{CString(folder)};
  CPageFiles pages;
  auto enter = [&](int i) {
    const CString path = JoinPath(folders.back(), NameInFolder(tree.GetName(i)));
    if (!MakeFolder(path)) {
      pages.Finish();
      AfxMessageBox("フォルダが作れません:" + path);
      return false;
    }
    folders.push_back(path);
    return true;
  };
  auto writeParentText = [&](int i) {
    if (parentText && !ext.IsEmpty() && !tree.GetText(i).IsEmpty())
      WriteTextPage(tree, i, folders.back(), nullptr, ext, &pages);
  };

  int i = first;
  int previous = tree.GetLevel(first);
  if (tree.HasChildren(first)) {
    if (topOut) {
      writeParentText(first);
      if (!enter(first)) return 0;
    }
    ++i;
    if (i < end) previous = tree.GetLevel(i);
  }
  for (; i < end; ++i) {
    const int depth = tree.GetLevel(i);
    for (int up = previous - depth; up > 0 && folders.size() > 1; --up) folders.pop_back();
    previous = depth;
    if (!tree.HasChildren(i)) {
      WriteTextPage(tree, i, folders.back(), nullptr, ext, &pages);
    } else {
      writeParentText(i);
      if (!enter(i)) return 0;
    }
  }
  return pages.Finish() ? 1 : 0;
}
