#include "app/CKestaEdit.h"

#include "app/CKestavonApp.h"
#include "platform/desktop/CFont.h"
#include "platform/desktop/InputMethod.h"
#include "platform/base/Places.h"

CKestaEdit::CKestaEdit() = default;

CKestaEdit::CKestaEdit(wxWindow* parent, int id, const wxString& value, const wxPoint& pos, const wxSize& size,
                       long style) {
  Create(parent, id, value, pos, size, style);
}

CKestaEdit::~CKestaEdit() = default;

bool CKestaEdit::Create(wxWindow* parent, int id, const wxString& value, const wxPoint& pos, const wxSize& size,
                        long style) {
  if (!wxTextCtrl::Create(parent, id, value, pos, size, style)) return false;
  Bind(wxEVT_SET_FOCUS, &CKestaEdit::OnSetFocus, this);
  Bind(wxEVT_KILL_FOCUS, &CKestaEdit::OnKillFocus, this);
  return true;
}

bool CKestaEdit::Switching() {
  if (IsTabletPC()) return false;
  const auto* app = dynamic_cast<CKestavonApp*>(AfxGetApp());
  return app && app->m_bIme;
}

void CKestaEdit::OnSetFocus(wxFocusEvent& event) {
  event.Skip();
  if (!Switching()) return;
  HIMC context = ImmGetContext(this);
  if (!context) return;
  CFont font;
  LOGFONT logFont{};
  if (font.CreateFromWxFont(GetFont()) && font.GetLogFont(&logFont)) ImmSetCompositionFont(context, &logFont);
  ImmSetOpenStatus(context, TRUE);
  ImmReleaseContext(this, context);
}

void CKestaEdit::OnKillFocus(wxFocusEvent& event) {
  event.Skip();
  if (!Switching()) return;
  HIMC context = ImmGetContext(this);
  if (!context) return;
  ImmSetOpenStatus(context, FALSE);
  ImmReleaseContext(this, context);
}
