#pragma once
// The Japanese line-breaking rules that wrapping and printing apply: characters that may not
// begin a line, characters that may not end one, whether each rule is on, English word wrap, no
// breaks inside tags, and the editor's bulleted-list support. One object serves the process.
#include "platform/base/CString.h"

class CPelkoSettings;

class CKinsokuSettings {
 public:
  // The built-in rule characters; the application sets them before any setting is read.
  void SetDefaultStrings();
  // Both character strings keep their current value when their key is absent.
  void Load(CPelkoSettings& settings);
  // Everything but Edit/Kajogaki, which the settings dialog writes from its editing page.
  void Save(CPelkoSettings& settings) const;

  // Whether the character at offset may begin a line, and whether the one ending just before
  // offset may end a line; a double-byte character counts as one character.
  bool CanBeginLine(const char* text, int offset) const;
  bool CanEndLine(const char* text, int offset) const;

  int m_nKajogaki = 0;
  CString m_strKinsokuLast;   // may not end a line
  CString m_strKinsokuFirst;  // may not begin a line
  int m_nWordWrap = 0;
  int m_bKinFirst = 0;
  int m_bKinLast = 0;
  int m_nTagKinsoku = 0;
};

CKinsokuSettings& GetKinsokuSettings();
