#include "views/ExternalTools.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/CKestavonDoc.h"
#include "platform/base/Places.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "platform/desktop/Shell.h"
#include "platform/base/RegularFile.h"

namespace {

// A value that a command line must quote to keep it one argument.
bool NeedsQuotes(const CString& value) {
  return value.IsEmpty() || value.Find(' ') >= 0 || value.Find('\t') >= 0 || value.Find('"') >= 0;
}

// One argument of the tool's template with its placeholders replaced, in one pass, so that a
// replacement that holds a placeholder is never replaced again.
CString ExpandArgument(const CString& source, const char* title, const char* link, const char* path,
                       const char* textFile) {
  CString result;
  for (int i = 0; i < source.GetLength(); ++i) {
    const char ch = source[i];
    if (IsDBCSLeadByte(static_cast<unsigned char>(ch)) && i + 1 < source.GetLength()) {
      result += source.Mid(i, 2);
      ++i;
      continue;
    }
    const char next = i + 1 < source.GetLength() ? source[i + 1] : '\0';
    if (ch == '%' && (next == 't' || next == 'f' || next == 'p' || next == 'e')) {
      result += next == 't' ? title : next == 'f' ? link : next == 'p' ? path : textFile;
      ++i;
      continue;
    }
    result += ch;
  }
  return result;
}

BOOL WriteBytes(const CString& path, const CString& text) {
  std::FILE* file = std::fopen(CP932ToUTF8(path.str()).c_str(), "wb");
  if (!file) return FALSE;
  const size_t length = static_cast<size_t>(text.GetLength());
  const bool written = std::fwrite(text.GetString(), 1, length, file) == length;
  return std::fclose(file) == 0 && written;
}

BOOL ReadBytes(const CString& path, CString& text) {
  std::string bytes;
  if (!ReadRegularFile(path, bytes)) return FALSE;
  text = CString(std::move(bytes));
  return TRUE;
}

}  // namespace

CString ExpandToolParameters(const char* parameters, const char* title, const char* link, const char* path,
                             const char* textFile) {
  // The template is split first, so that whatever a title or a path holds, it stays inside the
  // argument its placeholder stood in.
  CString line;
  for (const CString& argument : SplitCommandLine(parameters)) {
    const CString value = ExpandArgument(argument, title, link, path, textFile);
    if (!line.IsEmpty()) line += ' ';
    line += NeedsQuotes(value) ? QuoteCommandLineArgument(value) : value;
  }
  return line;
}

BOOL PrepareShellItem(const CShellItem& item, CKestavonDoc* target, ShellItemLaunch& launch) {
  launch.m_strParam = item.m_strParam;
  launch.m_strTextFile = item.m_strEdit;
  launch.m_bTemporary = FALSE;
  if (!target) return TRUE;
  target->CommitTextArea();
  ATREE& tree = target->GetTree();
  const int current = target->GetCurrentTree();
  const bool valid = current >= 0 && current < tree.GetDirDataCount();
  const CString title = valid ? tree.GetName(current) : CString();
  const CString link = valid ? tree.GetDirData(current)->m_strLink.Get() : CString();
  if (launch.m_strTextFile.IsEmpty() && item.m_strParam.Find("%e") >= 0) {
    std::string path = CP932ToUTF8(GetTempFolder().GetString()) + "kvnXXXXXX";
    const int fd = mkstemp(path.data());
    if (fd < 0) {
      AfxMessageBox("一時ファイルを作成できません", MB_ICONSTOP);
      return FALSE;
    }
    close(fd);
    launch.m_strTextFile = UTF8ToCP932(path);
    launch.m_bTemporary = TRUE;
  }
  launch.m_strParam = ExpandToolParameters(item.m_strParam, title, link, target->GetPathName(), launch.m_strTextFile);
  if (!launch.m_strTextFile.IsEmpty() && !WriteBytes(launch.m_strTextFile, target->GetCurrentText())) {
    AfxMessageBox(CString("ファイルを保存できません\n") + launch.m_strTextFile, MB_ICONSTOP);
    return FALSE;
  }
  return TRUE;
}

void ExecuteShellItem(const CShellItem& item, CKestavonDoc* target, const std::function<void()>& waitForUser) {
  ShellItemLaunch launch;
  if (!PrepareShellItem(item, target, launch)) return;
  // The shell's result is not reported: what the program does is its own.
  ShellExecute(AfxGetMainFrameWindow(), nullptr, item.m_strPath, launch.m_strParam, "", SW_SHOWNORMAL);
  if (!target || !item.m_bReload || launch.m_strTextFile.IsEmpty()) return;
  waitForUser();
  CString text;
  if (!ReadBytes(launch.m_strTextFile, text)) {
    AfxMessageBox(CString("ファイルを読み込めません\n") + launch.m_strTextFile, MB_ICONSTOP);
    return;
  }
  target->SetCurrentText(text, 0);
  target->UpdateAllViews(nullptr);
  if (launch.m_bTemporary) std::remove(CP932ToUTF8(launch.m_strTextFile.str()).c_str());
}
