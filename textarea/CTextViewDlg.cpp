#include "textarea/CTextViewDlg.h"

#include "platform/com/Bstr.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "textarea/CWrilaCtrl.h"
#include "textarea/CWrilaView.h"

namespace {

// The window's size when none is stored, in dialog units.
const wxSize kTemplateSize(187, 135);

}  // namespace

CTextViewDlg::CTextViewDlg() : m_pEdit(new CWrilaCtrl) {}

BOOL CTextViewDlg::Create() {
  if (!wxDialog::Create(nullptr, kTemplateId, CP932ToWx("テキストビュー：ケスタボン"), wxDefaultPosition,
                        wxDefaultSize, wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER))
    return FALSE;
  const wxSize defaults = ConvertDialogToPixels(kTemplateSize);
  SetSize(wxSize(AfxGetProfileInt("System", "TextViewCx", defaults.x),
                 AfxGetProfileInt("System", "TextViewCy", defaults.y)));
  m_pEdit->Create(this, kControlId, wxRect(wxPoint(0, 0), GetClientSize()));
  m_pEdit->SetEventHandler([this](DISPID event, std::span<const VARIANT> args) {
    if (event == CWrila::kEventLinkURL && !args.empty() && args[0].vt == VT_BSTR)
      OnLinkURL(CP932FromBstr(args[0].bstrVal));
  });
  CWrilaCtrl& edit = *m_pEdit;
  edit.SetAppName("エディタ");
  edit.SetPropTitle("エディタ");
  edit.SetRegKey("Software\\Pelko\\Kestavon\\Wrila");
  edit.LoadProperties();
  edit.SetAppearance(0);
  // The program's key table is for the text pane; here every key is the control's.
  edit.m_bKeyTranslate = FALSE;
  edit.SetLongText(m_strText);
  edit.SetReadOnly(TRUE);
  SetTitle(CP932ToWx((m_strTitle + " - ケスタボン").str()));
  Bind(wxEVT_SIZE, &CTextViewDlg::OnSizeChanged, this);
  Bind(wxEVT_CLOSE_WINDOW, &CTextViewDlg::OnCloseWindow, this);
  Show();
  return TRUE;
}

void CTextViewDlg::OnLinkURL(const char* url) {
  if (m_pOwner) m_pOwner->OpenLink(url);
}

void CTextViewDlg::OnSizeChanged(wxSizeEvent& event) {
  m_pEdit->SetSize(GetClientSize());
  event.Skip();
}

void CTextViewDlg::OnCloseWindow(wxCloseEvent&) {
  const wxSize size = GetSize();
  AfxWriteProfileInt("System", "TextViewCx", size.x);
  AfxWriteProfileInt("System", "TextViewCy", size.y);
  Destroy();
}
