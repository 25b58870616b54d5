#include "convert/PdbImport.h"

#include <algorithm>
#include <memory>
#include <string>

#include "convert/CPalmDocReader.h"
#include "convert/ImportedItems.h"
#include "model/ATREE.h"
#include "platform/desktop/MessageBox.h"

namespace {

void AppendItem(ATREE& tree, const CString& path) {
  auto item = std::make_unique<CDirData>(path);
  item->m_nView = 1;
  tree.AddDirData(std::move(item));
}

// A section ends at the last line end that is neither its first nor its last byte: the line end
// that leads into the next bookmark goes with it.
std::string CutSection(std::string section) {
  if (section.size() >= 3) {
    for (size_t k = section.size() - 2; k >= 1; --k) {
      if (section[k] == '\n') {
        section.resize(k);
        break;
      }
    }
  }
  CString text(section);
  CleanImportedText(text);
  return text.str();
}

}  // namespace

int ImportPdbFile(ATREE& tree, const char* path) {
  CPalmDocReader reader;
  if (!reader.Read(path)) {
    AfxMessageBox(CString("Palm DOCファイルを読み込めません（") + reader.GetError() + "）：" + path);
    return 0;
  }
  CString root = FileTitleOf(path);
  CleanImportedTitle(root);
  AppendItem(tree, root);
  const std::string& text = reader.GetText();
  size_t start = 0;
  for (int i = 0; i < reader.GetBookmarkCount(); ++i) {
    const CDocBookmark mark = reader.GetBookmark(i);
    // Bookmarks out of order or beyond the text close their section where the last one ended.
    const size_t position = std::max(start, std::min(static_cast<size_t>(mark.m_nPosition), text.size()));
    const size_t end = std::min(position + 1, text.size());
    tree.EditDirData(tree.GetDirDataCount() - 1)->m_strText = CutSection(text.substr(start, end - start));
    start = position;
    CString name = mark.m_strName;
    CleanImportedTitle(name);
    AppendItem(tree, root + '\x01' + name);
  }
  CString rest(text.substr(std::min(start, text.size())));
  CleanImportedText(rest);
  tree.EditDirData(tree.GetDirDataCount() - 1)->m_strText = rest + "\r\n";
  tree.SetReadOnly();
  return 1;
}
