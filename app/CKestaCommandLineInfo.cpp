#include "app/CKestaCommandLineInfo.h"

#include <cctype>
#include <cstdlib>

namespace {

bool IsBlank(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f'; }

}  // namespace

void CKestaCommandLineInfo::ParseParam(const char* param, BOOL isFlag, BOOL isLast) {
  if (isFlag)
    ParseParamFlag(param);
  else
    ParsePlain(param);
  ParseLast(isLast);
  if (!isFlag) return;
  const CString text(param);
  if (text.GetLength() < 2) return;
  const CString rest = text.Mid(1);
  switch (std::toupper(static_cast<unsigned char>(text[0]))) {
    case 'J':
      m_nMode = ModeJump;
      m_nJumpNumber = std::atoi(rest.GetString());
      break;
    case 'N':
      m_nMode = ModeTitle;
      m_strJumpTitle = rest;
      break;
    case 'U': {
      // The path is split at its last separator: "/" here, "\" in a line written on Windows.
      m_nMode = ModeAdd;
      int cut = rest.ReverseFind('/');
      if (cut < 0) cut = rest.ReverseFind('\\');
      m_strFolder = cut >= 0 ? rest.Left(cut) : CString();
      m_strUFileName = rest.Mid(cut + 1);
      break;
    }
    default:
      break;
  }
}

void CKestaCommandLineInfo::ParsePlain(const char* param) {
  // After the print-to flag the first three plain parameters name printer, driver and port.
  if (m_nShellCommand == FilePrintTo) {
    if (m_strPrinterName.IsEmpty()) {
      m_strPrinterName = param;
      return;
    }
    if (m_strDriverName.IsEmpty()) {
      m_strDriverName = param;
      return;
    }
    if (m_strPortName.IsEmpty()) {
      m_strPortName = param;
      return;
    }
  }
  if (m_strFileName.IsEmpty()) m_strFileName = param;
  m_fileList.emplace_back(param);
}

std::vector<CString> CKestaCommandLineInfo::Tokenize(const char* text) {
  const std::string line(text ? text : "");
  std::vector<CString> tokens;
  size_t pos = 0;
  const size_t n = line.size();
  while (true) {
    while (pos < n && IsBlank(line[pos])) ++pos;
    if (pos >= n) break;
    if (line[pos] == '"') {
      const size_t start = ++pos;
      size_t end = start;
      while (end < n && !(line[end] == '"' && (end + 1 == n || IsBlank(line[end + 1])))) ++end;
      tokens.emplace_back(line.substr(start, end - start).c_str());
      pos = end < n ? end + 2 : n;
    } else {
      const size_t start = pos;
      while (pos < n && !IsBlank(line[pos])) ++pos;
      tokens.emplace_back(line.substr(start, pos - start).c_str());
      if (pos < n) ++pos;
    }
  }
  return tokens;
}

void CKestaCommandLineInfo::ParseCommandString(const char* text) {
  const std::vector<CString> tokens = Tokenize(text);
  for (size_t i = 0; i < tokens.size(); ++i) {
    const CString& token = tokens[i];
    // Only "-" starts a switch: "/" starts every absolute path here.
    const bool flag = !token.IsEmpty() && token[0] == '-';
    ParseParam(flag ? token.GetString() + 1 : token.GetString(), flag, i + 1 == tokens.size());
  }
}
