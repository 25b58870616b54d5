#pragma once
// The program's command line as the framework reads it: the shell command it asks for (new, open,
// print, ...) and the file and printer names. A program with switches of its own derives from it
// and overrides ParseParam.
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CCommandLineInfo {
 public:
  enum { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppRegister, AppUnregister, FileNothing = -1 };

  virtual ~CCommandLineInfo() = default;

  // One parameter (a flag without its leading "-"); isLast for the last one.
  virtual void ParseParam(const char* param, BOOL isFlag, BOOL isLast);

  BOOL m_bShowSplash = TRUE;
  BOOL m_bRunEmbedded = FALSE;
  BOOL m_bRunAutomated = FALSE;
  int m_nShellCommand = FileNew;
  CString m_strFileName;
  CString m_strPrinterName;
  CString m_strDriverName;
  CString m_strPortName;

 protected:
  // The framework's flags: "p" print, "pt" print to, "dde", and without regard to case
  // "Register"/"Regserver", "Unregister"/"Unregserver", "Embedding", "Automation".
  void ParseParamFlag(const char* param);
  // The first plain parameter is the file; after "pt" the next three name printer, driver, port.
  void ParseParamNotFlag(const char* param);
  // After the last parameter: a file with no other command means open.
  void ParseLast(BOOL isLast);
};
