#pragma once
// Message boxes with the flags and results of Windows, shown as wx dialogs (texts in code page
// 932). Tests install a ScopedMessageBoxHook that answers every box and records what was asked;
// without a hook and without a GUI application a box is written to stderr and answered with its
// default button, so a headless run never waits.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class wxWindow;

#define MB_OK 0x00000000u
#define MB_OKCANCEL 0x00000001u
#define MB_YESNOCANCEL 0x00000003u
#define MB_YESNO 0x00000004u
#define MB_TYPEMASK 0x0000000Fu
#define MB_ICONHAND 0x00000010u
#define MB_ICONSTOP MB_ICONHAND
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONQUESTION 0x00000020u
#define MB_ICONEXCLAMATION 0x00000030u
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_ICONASTERISK 0x00000040u
#define MB_ICONINFORMATION MB_ICONASTERISK
#define MB_ICONMASK 0x000000F0u
#define MB_DEFBUTTON1 0x00000000u
#define MB_DEFBUTTON2 0x00000100u
#define MB_DEFBUTTON3 0x00000200u
#define MB_DEFMASK 0x00000F00u
// Modality and placement flags are accepted; a box is always modal to its parent.
#define MB_APPLMODAL 0x00000000u
#define MB_SYSTEMMODAL 0x00001000u
#define MB_TASKMODAL 0x00002000u
#define MB_SETFOREGROUND 0x00010000u
#define MB_TOPMOST 0x00040000u

#ifndef IDOK
#define IDOK 1
#endif
#ifndef IDCANCEL
#define IDCANCEL 2
#endif
#ifndef IDYES
#define IDYES 6
#endif
#ifndef IDNO
#define IDNO 7
#endif

// Shows a box owned by parent (null: no owner). A null caption is "エラー", as on Windows.
int MessageBox(wxWindow* parent, const char* text, const char* caption, UINT flags);
// The same with a text in UTF-8, for a text that code page 932 cannot hold whole (one that names
// characters outside it).
int MessageBoxUTF8(wxWindow* parent, std::string_view text, const char* caption, UINT flags);
// A box owned by the application's main window, with the application's name as caption.
int AfxMessageBox(const char* text, UINT flags = MB_OK, UINT helpId = 0);

// How many boxes have been asked for since the program started, shown or answered by a hook: a
// caller can tell whether the work it called has already told the user of a failure.
unsigned GetMessageBoxCount();

// The result of pressing the default button (MB_DEFBUTTONn) of a box of these flags.
int DefaultMessageBoxResult(UINT flags);
// The wx dialog style for the flags, and the result for what the wx dialog returned.
long MessageBoxWxStyle(UINT flags);
int MessageBoxResultFromWx(int wxResult, UINT flags);

struct MessageBoxCall {
  CString text;  // code page 932: '?' for a character it has no form for
  CString caption;
  UINT flags = 0;
  wxWindow* parent = nullptr;
  std::string textUTF8;  // the text as shown, whole
};

// While it lives, every box is answered by it instead of being shown, and recorded. Hooks nest:
// the newest answers.
class ScopedMessageBoxHook {
 public:
  using AnswerFunction = std::function<int(const MessageBoxCall&)>;
  // Answers with the default button of each box.
  ScopedMessageBoxHook();
  // Answers every box with this result.
  explicit ScopedMessageBoxHook(int result);
  explicit ScopedMessageBoxHook(AnswerFunction answer);
  ~ScopedMessageBoxHook();
  ScopedMessageBoxHook(const ScopedMessageBoxHook&) = delete;
  ScopedMessageBoxHook& operator=(const ScopedMessageBoxHook&) = delete;

  const std::vector<MessageBoxCall>& Calls() const { return m_calls; }
  int Answer(const MessageBoxCall& call);

 private:
  AnswerFunction m_answer;
  std::vector<MessageBoxCall> m_calls;
  ScopedMessageBoxHook* m_previous = nullptr;
};
