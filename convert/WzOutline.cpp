#include "convert/WzOutline.h"

#include <memory>
#include <string>
#include <vector>

#include "convert/ImportedItems.h"
#include "foundation/CTextFile.h"
#include "model/ATREE.h"
#include "platform/framework/CWinApp.h"
#include "platform/desktop/MessageBox.h"

namespace {

constexpr int kLineBuffer = 32767;

void AppendItem(ATREE& tree, const std::string& path) {
  auto item = std::make_unique<CDirData>(path.c_str());
  item->m_nView = 1;
  tree.AddDirData(std::move(item));
}

}  // namespace

int ImportWzFile(ATREE& tree, const char* path) {
  return ReadWzFile(tree, path, AfxGetProfileInt("System", "WzImportTopTree", 1) != 0);
}

int ReadWzFile(ATREE& tree, const char* path, bool topTree) {
  CString rootTitle = topTree ? FileTitleOf(path) : CString();
  CleanImportedTitle(rootTitle);
  AppendItem(tree, rootTitle.str());

  int previousDepth = -1;
  // The parent of the last heading; unset until the first heading goes below the top. (An empty
  // parent path is a top item without a title, not the lack of a parent.)
  std::string parentPath;
  bool hasParent = false;
  std::string lastTitle = rootTitle.str();
  bool rootOpen = !topTree;
  std::vector<char> buffer(kLineBuffer);
  try {
    CTextFile file(path, "rt");
    while (file.ReadLineBuf(buffer.data(), kLineBuffer)) {
      const char* line = buffer.data();
      const bool heading = line[0] == '.' && (topTree || rootOpen || line[1] == '.');
      if (!heading) {
        CString text(line);
        CleanImportedText(text);
        CString& body = tree.EditDirData(tree.GetDirDataCount() - 1)->m_strText;
        body += text;
        body += "\r\n";
        continue;
      }
      int periods = 0;
      while (line[periods] == '.') ++periods;
      const int depth = periods - 1;
      CString cleaned(line + periods);
      CleanImportedTitle(cleaned);
      const std::string title = cleaned.str();
      std::string newPath;
      if (!topTree && depth == 0 && rootOpen) {
        tree.EditDirData(0)->m_strPath = cleaned;
        rootOpen = false;
        lastTitle = title;
        continue;
      }
      if (depth == previousDepth) {
        newPath = parentPath + '\x01' + title;
      } else if (depth > previousDepth) {
        parentPath = hasParent ? parentPath + '\x01' + lastTitle : lastTitle;
        hasParent = true;
        newPath = parentPath + '\x01' + title;
      } else {
        const int level = topTree ? depth + 1 : depth;
        int parent = 0;
        for (int i = tree.GetDirDataCount() - 1; i >= 0; --i) {
          if (tree.GetLevel(i) == level - 1) {
            parent = i;
            break;
          }
        }
        parentPath = tree.GetTitle(parent).str();
        hasParent = true;
        newPath = parentPath + '\x01' + title;
      }
      AppendItem(tree, newPath);
      lastTitle = title;
      previousDepth = depth;
    }
    file.Close();
  } catch (const CPelkoFileException& e) {
    AfxMessageBox(e.GetMessage());
    return 0;
  }
  return 1;
}

int ExportWzFile(const ATREE& tree, const char* path, int noTop) {
  const bool periodChange = AfxGetProfileInt("System", "WzExportPeriodChange", 0) != 0;
  const bool autoTitle = tree.GetProperties().m_bAutoTitle != 0;
  const int first = noTop ? 1 : 0;
  try {
    CTextFile file(path, "wb");
    for (int i = first; i < tree.GetDirDataCount(); ++i) {
      std::string heading(static_cast<size_t>(tree.GetLevel(i) + 1 - first), '.');
      heading += tree.GetName(i).str();
      heading += "\r\n";
      file.WriteString(heading.c_str());
      std::string text = tree.GetText(i).str();
      if (autoTitle) {
        const size_t lf = text.find('\n');
        text = lf == std::string::npos ? std::string() : text.substr(lf + 1);
      }
      if (text.empty()) continue;
      if (periodChange) {
        std::string changed;
        changed.reserve(text.size());
        for (size_t k = 0; k < text.size(); ++k) {
          if (text[k] == '.' && (k == 0 || text[k - 1] == '\n')) changed += ' ';
          changed += text[k];
        }
        text.swap(changed);
      }
      if (text.size() < 2 || text.compare(text.size() - 2, 2, "\r\n") != 0) text += "\r\n";
      file.WriteString(text.c_str());
    }
    file.Close();
  } catch (const CPelkoFileException& e) {
    AfxMessageBox(e.GetMessage());
    return 0;
  }
  return 1;
}
