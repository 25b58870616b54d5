// A style of mark keeps the level of its first appearance for the whole file; a style never seen
// before always goes one level below the item before it, so a text never jumps several levels.
#include "convert/TextImport.h"

#include <memory>
#include <string>
#include <vector>

#include "convert/ImportedItems.h"
#include "foundation/CTextFile.h"
#include "model/ATREE.h"
#include "model/HeadingMark.h"
#include "platform/desktop/MessageBox.h"

namespace {

constexpr int kLineBuffer = 32767;

// The path cut just before its (count)-th 0x01; false when it has fewer.
bool CutBeforeSeparator(const std::string& path, size_t count, std::string& cut) {
  size_t seen = 0;
  for (size_t i = 0; i < path.size(); ++i) {
    if (path[i] == '\x01' && ++seen == count) {
      cut = path.substr(0, i);
      return true;
    }
  }
  return false;
}

}  // namespace

int ImportTextFile(ATREE& tree, const char* path) {
  CTextFile file;
  try {
    file.Open(path, "rt");
  } catch (const CPelkoFileException&) {
    AfxMessageBox("ファイルが見つかりません", MB_OK);
    return 0;
  }
  std::vector<std::unique_ptr<CDirData>> items;
  std::vector<unsigned> kinds;
  std::string parentPath;
  std::string lastPath;
  long long previousKind = -1;
  std::vector<char> buffer(kLineBuffer);
  try {
    while (file.ReadLineBuf(buffer.data(), kLineBuffer)) {
      const char* line = buffer.data();
      const char* content = line;
      while (*content == ' ') ++content;
      if (items.empty()) {
        if (*content == '\0') continue;
        CString title(line);
        CleanImportedTitle(title);
        lastPath = title.str();
        items.push_back(std::make_unique<CDirData>(title));
        continue;
      }
      unsigned kind = 0;
      const int mark = GetHeadingMark(content, kind);
      if (mark == 0) {
        CString text(content);
        CleanImportedText(text);
        items.back()->m_strText += text + "\r\n";
        continue;
      }
      const char* rest = content + mark;
      while (*rest == ' ') ++rest;
      CString cleaned(rest);
      CleanImportedTitle(cleaned);
      const std::string title = cleaned.str();
      std::string newPath;
      size_t position = 0;
      while (position < kinds.size() && kinds[position] != kind) ++position;
      if (static_cast<long long>(kind) == previousKind) {
        newPath = parentPath + '\x01' + title;
      } else if (position == kinds.size()) {
        kinds.push_back(kind);
        newPath = lastPath + '\x01' + title;
        parentPath = lastPath;
      } else if (std::string cut; CutBeforeSeparator(parentPath, position + 1, cut)) {
        parentPath = cut;
        newPath = cut + '\x01' + title;
      } else {
        newPath = lastPath + '\x01' + title;
        parentPath = lastPath;
      }
      lastPath = newPath;
      previousKind = kind;
      items.push_back(std::make_unique<CDirData>(newPath.c_str()));
    }
    file.Close();
  } catch (const CPelkoFileException& e) {
    AfxMessageBox(e.GetMessage());
    return 0;
  }
  for (auto& item : items) {
    std::string& text = item->m_strText.str();
    while (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0) text.resize(text.size() - 2);
    if (!text.empty()) text += "\r\n";
    item->m_nView = 1;
    tree.AddDirData(std::move(item));
  }
  return tree.GetDirDataCount() > 0 ? 1 : 0;
}
