#pragma once
// The program's command line: the framework's shell command and file, the program's own switches
// "-J<number>" (go to the tree at that position), "-N<title>" (go to the tree of that title) and
// "-U<path>" (add the file as a tree of the running instance's document), and every plain
// parameter in order. It also parses a whole command string again, for the hand-over from a second
// start of the program.
#include <vector>

#include "platform/framework/CCommandLineInfo.h"
#include "platform/base/CString.h"

class CKestaCommandLineInfo : public CCommandLineInfo {
 public:
  enum { ModeNone = 0, ModeJump = 1, ModeTitle = 2, ModeAdd = 3 };

  void ParseParam(const char* param, BOOL isFlag, BOOL isLast) override;
  // Splits the text as the tokenizer does and feeds every token to ParseParam.
  void ParseCommandString(const char* text);
  // The tokens of a command string: blanks separate them; a token that begins with a double quote
  // ends at a double quote followed by a blank or the end of the text.
  static std::vector<CString> Tokenize(const char* text);

  int GetMode() const { return m_nMode; }
  int GetJumpNumber() const { return m_nJumpNumber; }
  CString GetJumpTitle() const { return m_strJumpTitle; }
  CString GetFolder() const { return m_strFolder; }
  CString GetFileName() const { return m_strUFileName; }
  const std::vector<CString>& GetFileList() const { return m_fileList; }

 private:
  void ParsePlain(const char* param);

  int m_nMode = ModeNone;
  int m_nJumpNumber = 0;
  CString m_strJumpTitle;
  CString m_strFolder;
  CString m_strUFileName;
  std::vector<CString> m_fileList;
};
