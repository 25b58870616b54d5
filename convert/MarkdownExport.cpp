#include "convert/MarkdownExport.h"

#include <string>
#include <string_view>

#include "foundation/CTextFile.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "model/ATREE.h"
#include "platform/framework/CWinApp.h"
#include "platform/desktop/MessageBox.h"

namespace {

constexpr size_t kBlock = 1 << 20;

// A text as Markdown: two blanks before each CR LF, and with hashChange a blank before each '#'
// that begins a line, so that it is no heading; a line end after the last line.
void AppendText(std::string& out, std::string_view text, bool hashChange) {
  const bool endsWithLineEnd = text.ends_with("\r\n");
  if (hashChange && text.starts_with('#')) out += ' ';
  while (!text.empty()) {
    const size_t lf = text.find('\n');
    if (lf == std::string_view::npos) {
      out.append(text);
      break;
    }
    if (lf > 0 && text[lf - 1] == '\r') {
      out.append(text.substr(0, lf - 1));
      out += "  \r\n";
    } else {
      out.append(text.substr(0, lf + 1));
    }
    text.remove_prefix(lf + 1);
    if (hashChange && text.starts_with('#')) out += ' ';
  }
  if (!endsWithLineEnd) out += "\r\n";
}

}  // namespace

int ExportMarkdown(ATREE& tree, const char* path) {
  const int hashChange = ReadSetting(Settings::System::MarkdownExportHashChange);
  const bool autoTitle = tree.GetProperties().m_bAutoTitle != 0;
  try {
    CTextFile file(path, "wb");
    std::string out;
    out.reserve(kBlock + kBlock / 4);
    for (int i = 0; i < tree.GetDirDataCount(); ++i) {
      out.append(static_cast<size_t>(tree.GetLevel(i)) + 1, '#');
      out += ' ';
      out += tree.GetName(i).str();
      out += "\r\n";
      std::string_view text = tree.GetText(i).str();
      if (autoTitle) {
        const size_t lf = text.find('\n');
        text = lf == std::string_view::npos ? std::string_view() : text.substr(lf + 1);
      }
      if (!text.empty()) AppendText(out, text, hashChange != 0);
      if (out.size() >= kBlock) {
        file.WriteBytes(out);
        out.clear();
      }
    }
    file.WriteBytes(out);
    file.Close();
  } catch (const CPelkoFileException& e) {
    AfxMessageBox(e.GetMessage());
    return 0;
  }
  return 1;
}
