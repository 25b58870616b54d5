#include "convert/MarkdownExport.h"

#include <string>

#include "foundation/CTextFile.h"
#include "model/ATREE.h"
#include "platform/framework/CWinApp.h"
#include "platform/desktop/MessageBox.h"

namespace {
constexpr size_t kBlock = 1 << 20;

void ReplaceAllText(std::string& text, const std::string& from, const std::string& to) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  size_t pos = 0;
  for (size_t hit = text.find(from); hit != std::string::npos; hit = text.find(from, pos)) {
    out.append(text, pos, hit - pos);
    out += to;
    pos = hit + from.size();
  }
  out.append(text, pos, std::string::npos);
  text.swap(out);
}
}  // namespace

int ExportMarkdown(ATREE& tree, const char* path) {
  const int hashChange = AfxGetProfileInt("System", "MarkdownExportHashChange", 0);
  const bool autoTitle = tree.GetProperties().m_bAutoTitle != 0;
  try {
    CTextFile file(path, "wb");
    std::string out;
    for (int i = 0; i < tree.GetDirDataCount(); ++i) {
      out.append(static_cast<size_t>(tree.GetLevel(i)) + 1, '#');
      out += " " + tree.GetName(i).str() + "\r\n";
      std::string text = tree.GetText(i).str();
      if (autoTitle) {
        const size_t lf = text.find('\n');
        text = lf == std::string::npos ? std::string() : text.substr(lf + 1);
      }
      if (!text.empty()) {
        if (hashChange) {
          if (text[0] == '#') text = " " + text;
          ReplaceAllText(text, "\n#", "\n #");
        }
        ReplaceAllText(text, "\r\n", "  \r\n");
        out += text;
        if (text.size() < 2 || text.compare(text.size() - 2, 2, "\r\n") != 0) out += "\r\n";
      }
      if (out.size() >= kBlock) {
        file.WriteString(out.c_str());
        out.clear();
      }
    }
    file.WriteString(out.c_str());
    file.Close();
  } catch (const CPelkoFileException& e) {
    AfxMessageBox(e.GetMessage());
    return 0;
  }
  return 1;
}
