#include "convert/HtmlBookmarks.h"

#include <strings.h>

#include <cstring>

#include <memory>
#include <string>
#include <vector>

#include "convert/ImportedItems.h"
#include "foundation/CTextFile.h"
#include "foundation/WebText.h"
#include "model/ATREE.h"
#include "platform/desktop/MessageBox.h"

namespace {

constexpr int kLineBuffer = 32767;
// Folders nest no deeper than the model's levels can be numbered.
constexpr int kMaxFolderDepth = 200;

void AppendItem(ATREE& tree, const std::string& path, const char* link) {
  auto item = std::make_unique<CDirData>(path.c_str());
  item->m_nView = 1;
  if (link != nullptr) item->m_strLink = link;
  tree.AddDirData(std::move(item));
}

CString CleanTitle(CString title) {
  CleanImportedTitle(title);
  return title;
}

// A title or address of the page as a browser shows it: the page escapes what it holds.
CString ShownText(const char* html) { return CleanTitle(UnescapeHtml(html)); }

// The first item must be the top item: a file whose folders or links come before any title, or
// that has none, gets one named after the file.
void AddFileRoot(ATREE& tree, const char* path) {
  if (tree.GetDirDataCount() == 0) AppendItem(tree, CleanTitle(FileTitleOf(path)).str(), nullptr);
}

// The path prefix of an item in the folder: before any list opened, the top item is the folder.
std::string Below(const ATREE& tree, const std::string& folderPath) {
  return (folderPath.empty() ? tree.GetTitle(0).str() : folderPath) + '\x01';
}

}  // namespace

CString GetElementText(const char* tag, const char* line) {
  const std::string text(line);
  const size_t open = text.find(std::string("<") + tag);
  if (open == std::string::npos) return CString();
  const size_t close = text.find('>', open);
  if (close == std::string::npos) return CString();
  const size_t end = text.find(std::string("</") + tag + ">", close + 1);
  if (end == std::string::npos) return CString();
  return CString(text.substr(close + 1, end - close - 1));
}

CString GetAttributeValue(const char* line, const char* name) {
  const std::string text(line);
  const size_t nameLength = std::strlen(name);
  size_t at = std::string::npos;
  for (size_t i = 0; i + nameLength <= text.size(); ++i) {
    if (strncasecmp(text.c_str() + i, name, nameLength) == 0) {
      at = i + nameLength;
      break;
    }
  }
  if (at == std::string::npos) return CString();
  while (at < text.size() && (text[at] == ' ' || text[at] == '=')) ++at;
  size_t end = std::string::npos;
  if (at < text.size() && text[at] == '"') {
    ++at;
    end = text.find('"', at);
    if (end == std::string::npos) end = text.find(' ', at);
    if (end == std::string::npos) end = text.find('>', at);
  } else {
    // An unquoted value ends with the tag's next blank or its end, never at a later attribute's
    // quote.
    end = text.find_first_of(" \t\r\n>", at);
  }
  if (end == std::string::npos) end = text.size();
  return CString(text.substr(at, end - at));
}

int ImportHtmlBookmarks(ATREE& tree, const char* path) {
  CTextFile file;
  try {
    file.Open(path, "rb");
  } catch (const CPelkoFileException&) {
    AfxMessageBox("ファイルが見つかりません", MB_OK);
    return 0;
  }
  std::string title;
  std::string folderPath;
  int depth = 0;
  std::vector<char> buffer(kLineBuffer);
  try {
    while (file.ReadLineBuf(buffer.data(), kLineBuffer)) {
      const char* line = buffer.data();
      const std::string_view view(line);
      if (view.substr(0, 4) == "<H1>") {
        if (tree.GetDirDataCount() > 0) {
          AfxMessageBox("解析エラー：タイトルが複数あります");
          return 0;
        }
        title = ShownText(GetElementText("H1", line)).str();
        AppendItem(tree, title, nullptr);
      } else if (view.find("<DL><p>") != std::string_view::npos) {
        if (++depth > kMaxFolderDepth) {
          AfxMessageBox("解析エラー：フォルダの階層が深すぎます");
          return 0;
        }
        folderPath = folderPath.empty() ? title : folderPath + '\x01' + title;
      } else if (view.find("</DL><p>") != std::string_view::npos) {
        if (depth > 0) --depth;
        const size_t cut = folderPath.rfind('\x01');
        if (cut != std::string::npos) folderPath.erase(cut);
      } else if (view.find("<DT><H3 ") != std::string_view::npos) {
        AddFileRoot(tree, path);
        title = ShownText(GetElementText("H3", line)).str();
        AppendItem(tree, Below(tree, folderPath) + title, nullptr);
      } else if (view.find("<DT><A HREF=") != std::string_view::npos) {
        AddFileRoot(tree, path);
        title = ShownText(GetElementText("A", line)).str();
        CString link = ShownText(GetAttributeValue(line, "HREF"));
        AppendItem(tree, Below(tree, folderPath) + title, link);
      }
    }
    file.Close();
  } catch (const CPelkoFileException& e) {
    AfxMessageBox(e.GetMessage());
    return 0;
  }
  AddFileRoot(tree, path);
  return 1;
}
