// Building an outline from a folder tree: sub-folders become items, files with the chosen
// extensions become items holding their content, other files optionally link items, and outline
// documents found on the way are taken over whole.
//
// The walk reads every entry by its full path, so the current directory is never changed and a
// relative top folder works as well as an absolute one.
#include <dirent.h>
#include <sys/stat.h>
#include <strings.h>

#include <algorithm>
#include <memory>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "convert/FolderImport.h"

#include "foundation/CTextFile.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "model/ATREE.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "platform/base/RegularFile.h"

namespace {

struct FolderEntry {
  std::string name;  // as the file system holds it
  bool folder = false;
  dev_t device = 0;
  ino_t inode = 0;
};

// The visible entries of a folder in name order, letter case ignored (the listing order of the
// file system is arbitrary here; users expect the names sorted). Empty when it cannot be listed.
std::vector<FolderEntry> ListFolder(const std::string& osFolder) {
  std::vector<FolderEntry> entries;
  DIR* dir = opendir(osFolder.c_str());
  if (dir == nullptr) return entries;
  while (const dirent* d = readdir(dir)) {
    if (d->d_name[0] == '.') continue;  // ".", ".." and hidden entries
    FolderEntry entry;
    entry.name = d->d_name;
    struct stat st {};
    if (stat((osFolder + '/' + entry.name).c_str(), &st) != 0) continue;
    entry.folder = S_ISDIR(st.st_mode);
    entry.device = st.st_dev;
    entry.inode = st.st_ino;
    entries.push_back(std::move(entry));
  }
  closedir(dir);
  std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
    const int c = strcasecmp(a.name.c_str(), b.name.c_str());
    return c != 0 ? c < 0 : a.name < b.name;
  });
  return entries;
}

// The extension list of the settings: lower case, split at ';' (a run counts as one); a list that
// holds nothing but one empty entry is empty, and an empty list takes every file.
std::vector<CString> ExtensionList(CString text) {
  text.MakeLower();
  std::vector<CString> list;
  int start = 0;
  while (start <= text.GetLength()) {
    const int end = text.Find(';', start);
    const int stop = end < 0 ? text.GetLength() : end;
    if (stop > start || list.empty()) list.push_back(text.Mid(start, stop - start));
    if (end < 0) break;
    start = end + 1;
  }
  if (list.size() == 1 && list[0].IsEmpty()) list.clear();
  return list;
}

// The file's bytes as they are, up to a zero byte, as the program's whole-file reads give them;
// on failure the text file's message for the step that failed, else null.
const char* ReadWholeFile(const std::string& osPath, CString& text) {
  std::FILE* file = OpenRegularOsFileStream(osPath.c_str());
  if (file == nullptr) return "ファイルのオープンに失敗しました";
  std::string bytes;
  char buffer[65536];
  size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, n);
  const bool ok = std::ferror(file) == 0;
  std::fclose(file);
  if (!ok) return "ファイルの読込に失敗しました";
  text = CString(bytes.c_str());
  return nullptr;
}

struct ImportOptions {
  std::vector<CString> extensions;
  bool extensionInTitle = false;
  bool linkOthers = false;
};

class FolderWalk {
 public:
  FolderWalk(ATREE& tree, ImportOptions options) : m_tree(tree), m_options(std::move(options)) {}

  // folder is the folder's path as the outline shows it, osFolder as the file system names it
  // (a name that the outline's code page cannot hold is still read). Its entries go below the
  // item at parent, which ends the model, so that appending keeps them inside its subtree.
  void Walk(const std::string& osFolder, const CString& folder, int parent) {
    const CString parentPath = m_tree.GetDirData(parent)->m_strPath;
    struct stat self {};
    if (stat(osFolder.c_str(), &self) != 0) return;
    // A folder that links back to one it lies in would be walked for ever.
    for (const auto& [device, inode] : m_chain) {
      if (device == self.st_dev && inode == self.st_ino) return;
    }
    m_chain.emplace_back(self.st_dev, self.st_ino);
    const CString prefix = folder == "/" ? folder : folder + "/";
    const std::string osPrefix = osFolder == "/" ? osFolder : osFolder + "/";
    for (const FolderEntry& entry : ListFolder(osFolder)) {
      const CString name = UTF8ToCP932(entry.name);
      const int dot = name.ReverseFind('.');
      const CString shortTitle = dot >= 0 ? name.Left(dot) : name;
      if (entry.folder) {
        Walk(osPrefix + entry.name, prefix + name, Append(parentPath, shortTitle, "", ""));
        continue;
      }
      CString extension = dot >= 0 ? name.Mid(dot + 1) : CString();
      extension.MakeLower();
      const bool target = m_options.extensions.empty() ||
                          std::find(m_options.extensions.begin(), m_options.extensions.end(), extension) !=
                              m_options.extensions.end();
      const CString title = m_options.extensionInTitle ? name : shortTitle;
      if (target && extension == "kvn") {
        TakeOverOutline(prefix + name, parent);
      } else if (target) {
        CString text;
        if (const char* failure = ReadWholeFile(osPrefix + entry.name, text)) {
          AfxMessageBox(CPelkoFileException(failure, prefix + name).GetMessage());
          break;  // this folder's walk ends here; the enclosing one goes on
        }
        Append(parentPath, title, text, "");
      } else if (m_options.linkOthers) {
        Append(parentPath, title, "", prefix + name);
      }
    }
    m_chain.pop_back();
  }

 private:
  // A new item below parentPath, without times, at the end of the model; returns its index.
  int Append(const CString& parentPath, CString title, const char* text, const char* link) {
    ATREE::StripLevelSeparators(title);
    auto item = std::make_unique<CDirData>(parentPath + '\x01' + title, text, link, 0);
    ATREE::StripRecordBytes(item->m_strPath);
    ATREE::StripRecordBytes(item->m_strText);
    ATREE::StripRecordBytes(item->m_strLink);
    m_tree.AddDirData(std::move(item));
    return m_tree.GetDirDataCount() - 1;
  }

  // The items of an outline document, its top item first, as the last children of the folder's
  // item: the file is an entry of that folder like any other.
  void TakeOverOutline(const CString& path, int parent) {
    CString records;
    {
      ATREE other;
      // Only read: a lock taken here would never be given back.
      if (other.OpenFile(path, 0, 0) < 0 || other.GetDirDataCount() == 0) return;
      records = other.GetSubtreeRecords(0, TRUE);
    }
    m_tree.PasteTreeRecords(parent, records, FALSE);
  }

  ATREE& m_tree;
  ImportOptions m_options;
  std::vector<std::pair<dev_t, ino_t>> m_chain;  // the folders being walked, outermost first
};

}  // namespace

void ImportFolder(ATREE& tree, const char* folder, int parent) {
  ImportOptions options;
  options.extensions = ExtensionList(ReadSetting(Settings::FolderImport::Ext));
  options.extensionInTitle = ReadSetting(Settings::FolderImport::ExtName) != 0;
  options.linkOthers = ReadSetting(Settings::FolderImport::OtherLink) != 0;
  FolderWalk walk(tree, std::move(options));
  walk.Walk(CP932ToUTF8(folder), folder, parent);
}

int OpenFolder(ATREE& tree, const char* folder) {
  CString path(folder);
  // "/notes/" names the folder "notes", as "/notes" does.
  while (path.GetLength() > 1 && path[path.GetLength() - 1] == '/') path = path.Left(path.GetLength() - 1);
  const int slash = path.ReverseFind('/');
  CString title = slash >= 0 && path.GetLength() > 1 ? path.Mid(slash + 1) : path;
  ATREE::StripLevelSeparators(title);
  auto root = std::make_unique<CDirData>(title);
  ATREE::StripRecordBytes(root->m_strPath);
  tree.AddDirData(std::move(root));
  ImportFolder(tree, path, tree.GetDirDataCount() - 1);
  return 1;
}
