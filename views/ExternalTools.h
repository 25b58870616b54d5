#pragma once
// Running the user's outside programs on the current tree of the active outline window: the
// parameters may name the tree's title, its link file, the document's path and a file that
// carries the tree's text out to the program and, with the reload flag, back into the tree.
#include <functional>

#include "app/CShellItem.h"
#include "platform/base/WinTypes.h"
#include "platform/base/CString.h"

class CKestavonDoc;

// Replaces "%t" (title), "%f" (link file), "%p" (document path) and "%e" (text-area file) inside
// the arguments of the parameter template (split as a Windows command line), each in one pass, so
// a replacement that holds a placeholder is never replaced again. The result is the command line
// of those arguments, each quoted where it must be: a title or a path never becomes more than the
// one argument it stands in, whatever blanks or quotes it holds.
CString ExpandToolParameters(const char* parameters, const char* title, const char* link, const char* path,
                             const char* textFile);

// What one run starts: the parameters after replacement and the text-area file (written with the
// tree's text); temporary when the entry names none. Without a target nothing is replaced and
// nothing is written. FALSE, with the message shown, when the text-area file cannot be written.
struct ShellItemLaunch {
  CString m_strParam;
  CString m_strTextFile;
  BOOL m_bTemporary = FALSE;
};
BOOL PrepareShellItem(const CShellItem& item, CKestavonDoc* target, ShellItemLaunch& launch);

// Runs the entry on the target (null: the active window holds no outline). With the reload flag,
// waitForUser returns when the user has finished in the program; the file then becomes the tree's
// text and a temporary file is removed.
void ExecuteShellItem(const CShellItem& item, CKestavonDoc* target, const std::function<void()>& waitForUser);
