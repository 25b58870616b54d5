#include "platform/framework/CCommandLineInfo.h"

void CCommandLineInfo::ParseParam(const char* param, BOOL isFlag, BOOL isLast) {
  if (isFlag)
    ParseParamFlag(param);
  else
    ParseParamNotFlag(param);
  ParseLast(isLast);
}

void CCommandLineInfo::ParseParamFlag(const char* param) {
  const CString flag(param);
  // Shell command flags match exactly, automation flags without regard to case.
  if (flag == "pt") {
    m_nShellCommand = FilePrintTo;
  } else if (flag == "p") {
    m_nShellCommand = FilePrint;
  } else if (flag.CompareNoCase("Register") == 0 || flag.CompareNoCase("Regserver") == 0) {
    m_nShellCommand = AppRegister;
  } else if (flag.CompareNoCase("Unregister") == 0 || flag.CompareNoCase("Unregserver") == 0) {
    m_nShellCommand = AppUnregister;
  } else if (flag == "dde") {
    m_nShellCommand = FileDDE;
  } else if (flag.CompareNoCase("Embedding") == 0) {
    m_bRunEmbedded = TRUE;
    m_bShowSplash = FALSE;
  } else if (flag.CompareNoCase("Automation") == 0) {
    m_bRunAutomated = TRUE;
    m_bShowSplash = FALSE;
  }
}

void CCommandLineInfo::ParseParamNotFlag(const char* param) {
  if (m_strFileName.IsEmpty())
    m_strFileName = param;
  else if (m_nShellCommand == FilePrintTo && m_strPrinterName.IsEmpty())
    m_strPrinterName = param;
  else if (m_nShellCommand == FilePrintTo && m_strDriverName.IsEmpty())
    m_strDriverName = param;
  else if (m_nShellCommand == FilePrintTo && m_strPortName.IsEmpty())
    m_strPortName = param;
}

void CCommandLineInfo::ParseLast(BOOL isLast) {
  if (!isLast) return;
  if (m_nShellCommand == FileNew && !m_strFileName.IsEmpty()) m_nShellCommand = FileOpen;
  m_bShowSplash = !m_bRunEmbedded && !m_bRunAutomated;
}
