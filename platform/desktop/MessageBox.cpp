#include "platform/desktop/MessageBox.h"

#include <wx/app.h>
#include <wx/msgdlg.h>

#include <cstdio>

#include "platform/base/CodePage.h"
#include "platform/desktop/DialogOwner.h"

namespace {

ScopedMessageBoxHook*& CurrentHook() {
  static ScopedMessageBoxHook* hook = nullptr;
  return hook;
}

UINT Buttons(UINT flags) { return flags & MB_TYPEMASK; }

// The GUI application, when one runs (headless runs have a console application or none).
wxApp* GuiApp() {
  auto* app = dynamic_cast<wxApp*>(wxAppConsole::GetInstance());
  return app != nullptr && app->IsGUI() ? app : nullptr;
}

int ShowWx(wxWindow* parent, const std::string& textUTF8, const CString& caption, UINT flags) {
  wxMessageDialog dialog(parent, wxString::FromUTF8(textUTF8), CP932ToWx(caption.str()), MessageBoxWxStyle(flags));
  // The labels of the Japanese system's boxes, whatever the desktop's language.
  const wxString ok = CP932ToWx("OK");
  const wxString cancel = CP932ToWx("キャンセル");
  switch (Buttons(flags)) {
    case MB_YESNO:
    case MB_YESNOCANCEL:
      dialog.SetYesNoCancelLabels(CP932ToWx("はい(&Y)"), CP932ToWx("いいえ(&N)"), cancel);
      break;
    default:
      dialog.SetOKCancelLabels(ok, cancel);
      break;
  }
  return MessageBoxResultFromWx(dialog.ShowModal(), flags);
}

}  // namespace

int DefaultMessageBoxResult(UINT flags) {
  const UINT def = flags & MB_DEFMASK;
  switch (Buttons(flags)) {
    case MB_OKCANCEL:
      return def == MB_DEFBUTTON2 ? IDCANCEL : IDOK;
    case MB_YESNO:
      return def == MB_DEFBUTTON2 ? IDNO : IDYES;
    case MB_YESNOCANCEL:
      return def == MB_DEFBUTTON3 ? IDCANCEL : def == MB_DEFBUTTON2 ? IDNO : IDYES;
    default:
      return IDOK;
  }
}

long MessageBoxWxStyle(UINT flags) {
  long style = wxCENTRE;
  const UINT def = flags & MB_DEFMASK;
  switch (Buttons(flags)) {
    case MB_OKCANCEL:
      style |= wxOK | wxCANCEL | (def == MB_DEFBUTTON2 ? wxCANCEL_DEFAULT : wxOK_DEFAULT);
      break;
    case MB_YESNO:
      style |= wxYES_NO | (def == MB_DEFBUTTON2 ? wxNO_DEFAULT : wxYES_DEFAULT);
      break;
    case MB_YESNOCANCEL:
      style |= wxYES_NO | wxCANCEL |
               (def == MB_DEFBUTTON3 ? wxCANCEL_DEFAULT : def == MB_DEFBUTTON2 ? wxNO_DEFAULT : wxYES_DEFAULT);
      break;
    default:
      style |= wxOK;
      break;
  }
  switch (flags & MB_ICONMASK) {
    case MB_ICONHAND: style |= wxICON_ERROR; break;
    case MB_ICONQUESTION: style |= wxICON_QUESTION; break;
    case MB_ICONEXCLAMATION: style |= wxICON_WARNING; break;
    case MB_ICONASTERISK: style |= wxICON_INFORMATION; break;
    default: style |= wxICON_NONE; break;  // wx would pick an icon of its own
  }
  return style;
}

int MessageBoxResultFromWx(int wxResult, UINT flags) {
  switch (wxResult) {
    case wxID_YES: return IDYES;
    case wxID_NO: return IDNO;
    case wxID_OK: return IDOK;
    default:
      // Closing the window: a box without Cancel cannot be escaped on Windows; take its refusal.
      switch (Buttons(flags)) {
        case MB_OK: return IDOK;
        case MB_YESNO: return IDNO;
        default: return IDCANCEL;
      }
  }
}

namespace {

unsigned g_messageBoxCount = 0;

// A box without a parent goes to the newest waiting dialog (DialogOwner.h), else to the
// application's top window: a box that a dialog's or a progress window's work brings up opens
// above that window.
int Show(MessageBoxCall call) {
  ++g_messageBoxCount;
  if (!call.parent) call.parent = NewestDialogOwner();
  if (wxApp* app = GuiApp(); !call.parent && app) call.parent = app->GetTopWindow();
  if (ScopedMessageBoxHook* hook = CurrentHook()) return hook->Answer(call);
  if (GuiApp() == nullptr) {
    std::fprintf(stderr, "%s: %s\n", CP932ToUTF8(call.caption.str()).c_str(), call.textUTF8.c_str());
    return DefaultMessageBoxResult(call.flags);
  }
  return ShowWx(call.parent, call.textUTF8, call.caption, call.flags);
}

}  // namespace

unsigned GetMessageBoxCount() { return g_messageBoxCount; }

int MessageBox(wxWindow* parent, const char* text, const char* caption, UINT flags) {
  const CString narrow(text);
  return Show(MessageBoxCall{narrow, CString(caption ? caption : "エラー"), flags, parent, CP932ToUTF8(narrow.str())});
}

int MessageBoxUTF8(wxWindow* parent, std::string_view text, const char* caption, UINT flags) {
  return Show(MessageBoxCall{UTF8ToCP932(text), CString(caption ? caption : "エラー"), flags, parent, std::string(text)});
}

int AfxMessageBox(const char* text, UINT flags, UINT) {
  wxAppConsole* any = wxAppConsole::GetInstance();
  const CString caption = any ? WxToCP932(any->GetAppDisplayName()) : CString();
  return MessageBox(nullptr, text, caption, flags);
}

ScopedMessageBoxHook::ScopedMessageBoxHook() : ScopedMessageBoxHook(AnswerFunction()) {}

ScopedMessageBoxHook::ScopedMessageBoxHook(int result)
    : ScopedMessageBoxHook([result](const MessageBoxCall&) { return result; }) {}

ScopedMessageBoxHook::ScopedMessageBoxHook(AnswerFunction answer) : m_answer(std::move(answer)), m_previous(CurrentHook()) {
  CurrentHook() = this;
}

ScopedMessageBoxHook::~ScopedMessageBoxHook() { CurrentHook() = m_previous; }

int ScopedMessageBoxHook::Answer(const MessageBoxCall& call) {
  m_calls.push_back(call);
  return m_answer ? m_answer(call) : DefaultMessageBoxResult(call.flags);
}
