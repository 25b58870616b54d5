#include "convert/CBackDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dcclient.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <cstdlib>
#include <cstring>

#include "app/ColorChoice.h"
#include "foundation/CFileDialogEx.h"
#include "platform/desktop/CFont.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/base/ColorRef.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/desktop/DlgItem.h"
#include "platform/desktop/MessageBox.h"

namespace {

struct ColorField {
  int edit;
  int button;
  const char* label;
  const char* fallback;  // what the preview shows for a field shorter than six digits
};

const ColorField kFields[5] = {{CBackDlg::IDC_BACK_COLOR, CBackDlg::IDC_BACK_CHOOSE, "背景色(&H):", "C0C0C0"},
                               {CBackDlg::IDC_TEXT_COLOR, CBackDlg::IDC_TEXT_CHOOSE, "テキスト(&T):", "000000"},
                               {CBackDlg::IDC_LINK_COLOR, CBackDlg::IDC_LINK_CHOOSE, "リンクテキスト(&L):", "0000FF"},
                               {CBackDlg::IDC_VISITED_COLOR, CBackDlg::IDC_VISITED_CHOOSE, "読込済みﾘﾝｸ(&V):", "800080"},
                               {CBackDlg::IDC_ACTIVE_COLOR, CBackDlg::IDC_ACTIVE_CHOOSE, "読込途中ﾘﾝｸ(&A):", "0000FF"}};

// The first six characters as red, green and blue bytes; what is no hexadecimal digit counts as 0.
COLORREF HexColor(const CString& text) {
  int bytes[3];
  for (int i = 0; i < 3; ++i) {
    const std::string pair = text.str().substr(static_cast<size_t>(i) * 2, 2);
    bytes[i] = static_cast<int>(std::strtol(pair.c_str(), nullptr, 16));
  }
  return RGB(bytes[0], bytes[1], bytes[2]);
}

CString* StyleColor(CBodyStyle& style, int i) {
  CString* colors[5] = {&style.m_strBgColor, &style.m_strText, &style.m_strLink, &style.m_strVLink,
                        &style.m_strALink};
  return colors[i];
}

}  // namespace

CBackPreview::CBackPreview(wxWindow* parent, int id) : wxWindow(parent, id, wxDefaultPosition, wxSize(220, 110)) {
  SetName(CP932ToWx("背景プレビュー"));
  Bind(wxEVT_PAINT, &CBackPreview::OnPaint, this);
}

void CBackPreview::Draw(wxDC& dc) {
  const wxSize size = GetClientSize();
  dc.SetPen(*wxBLACK_PEN);
  dc.SetBrush(wxBrush(ColorRefToWx(m_crBack)));
  dc.DrawRectangle(0, 0, size.x, size.y);
  LOGFONT lf{};
  lf.lfHeight = AfxGetProfileInt("Font", "Size", 16);
  lf.lfWeight = AfxGetProfileInt("Font", "Weight", 400);
  lf.lfItalic = static_cast<BYTE>(AfxGetProfileInt("Font", "Italic", 0));
  lf.lfCharSet = SHIFTJIS_CHARSET;
  lf.lfPitchAndFamily = FF_MODERN;
  std::strncpy(lf.lfFaceName, AfxGetProfileString("Font", "FaceName", "SYSTEM").GetString(), LF_FACESIZE - 1);
  CFont font;
  font.CreateFontIndirect(&lf);
  dc.SetFont(font.GetWxFont());
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  const int textHeight = dc.GetCharHeight();
  const int lineHeight = textHeight + textHeight / 2;
  int y = 3;
  dc.SetTextForeground(ColorRefToWx(m_crText));
  dc.DrawText(CP932ToWx("テキスト"), 3, y);
  lf.lfUnderline = 1;
  CFont underlined;
  underlined.CreateFontIndirect(&lf);
  dc.SetFont(underlined.GetWxFont());
  const std::pair<COLORREF, const char*> links[] = {
      {m_crLink, "リンク"}, {m_crVisited, "読込済リンク"}, {m_crActive, "読込中リンク"}};
  for (const auto& [color, word] : links) {
    y += lineHeight;
    dc.SetTextForeground(ColorRefToWx(color));
    dc.DrawText(CP932ToWx(word), 3, y);
  }
}

void CBackPreview::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  Draw(dc);
}

CBackDlg::CBackDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, CP932ToWx("背景色の設定")) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* imageRow = new wxBoxSizer(wxHORIZONTAL);
  imageRow->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("背景画像(&I):")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  imageRow->Add(new wxTextCtrl(this, IDC_IMAGE, wxEmptyString, wxDefaultPosition, wxSize(220, -1)), 1, wxRIGHT, 6);
  imageRow->Add(new wxButton(this, IDC_BROWSE, CP932ToWx("参照(&B)...")));
  top->Add(imageRow, 0, wxALL | wxEXPAND, 8);
  top->Add(new wxCheckBox(this, IDC_FIXED, CP932ToWx("背景の非スクロール(&F)")), 0, wxLEFT | wxRIGHT, 8);
  auto* body = new wxBoxSizer(wxHORIZONTAL);
  auto* grid = new wxFlexGridSizer(3, 6, 6);
  for (int i = 0; i < 5; ++i) {
    grid->Add(new wxStaticText(this, wxID_ANY, CP932ToWx(kFields[i].label)), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(new wxTextCtrl(this, kFields[i].edit, wxEmptyString, wxDefaultPosition, wxSize(80, -1)));
    auto* choose = new wxButton(this, kFields[i].button, CP932ToWx("色参照..."));
    choose->Bind(wxEVT_BUTTON, [this, i](wxCommandEvent&) { OnChooseColor(i); });
    grid->Add(choose);
  }
  body->Add(grid, 0, wxALL, 8);
  auto* previewColumn = new wxBoxSizer(wxVERTICAL);
  m_pPreview = new CBackPreview(this, IDC_PREVIEW);
  previewColumn->Add(m_pPreview, 1, wxEXPAND | wxBOTTOM, 6);
  previewColumn->Add(new wxButton(this, IDC_UPDATE, CP932ToWx("更新(&U)")), 0, wxALIGN_RIGHT);
  body->Add(previewColumn, 1, wxALL | wxEXPAND, 8);
  top->Add(body, 1, wxEXPAND);
  top->Add(CreateOkCancelButtons(this, IDOK, IDCANCEL), 0, wxALL | wxEXPAND, 8);
  SetSizer(top);
  FindWindow(IDCANCEL)->SetLabel(CP932ToWx("ｷｬﾝｾﾙ"));
  SetAffirmativeId(IDOK);
  SetEscapeId(IDCANCEL);
  Bind(wxEVT_BUTTON, &CBackDlg::OnOK, this, IDOK);
  Bind(wxEVT_BUTTON, &CBackDlg::OnBrowse, this, IDC_BROWSE);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { m_pPreview->Refresh(); }, IDC_UPDATE);
}

int CBackDlg::DoModal() {
  m_strImage = m_style.m_strBackground;
  for (int i = 0; i < 5; ++i) m_strColors[i] = *StyleColor(m_style, i);
  m_bFixed = m_style.m_bFixed;
  UpdatePreviewColors();
  TransferDataToWindow();
  GetSizer()->SetSizeHints(this);
  CentreOnParent();
  return ShowModal() == IDOK ? IDOK : IDCANCEL;
}

bool CBackDlg::TransferDataToWindow() {
  DlgEdit(this, IDC_IMAGE)->ChangeValue(CP932ToWx(m_strImage.str()));
  for (int i = 0; i < 5; ++i) DlgEdit(this, kFields[i].edit)->ChangeValue(CP932ToWx(m_strColors[i].str()));
  DlgCheck(this, IDC_FIXED)->SetValue(m_bFixed != 0);
  return true;
}

bool CBackDlg::TransferDataFromWindow() {
  m_strImage = WxToCP932(DlgEdit(this, IDC_IMAGE)->GetValue());
  for (int i = 0; i < 5; ++i) m_strColors[i] = WxToCP932(DlgEdit(this, kFields[i].edit)->GetValue());
  m_bFixed = DlgCheck(this, IDC_FIXED)->GetValue() ? 1 : 0;
  return true;
}

void CBackDlg::UpdatePreviewColors() {
  COLORREF* targets[5] = {&m_pPreview->m_crBack, &m_pPreview->m_crText, &m_pPreview->m_crLink,
                          &m_pPreview->m_crVisited, &m_pPreview->m_crActive};
  for (int i = 0; i < 5; ++i) {
    const CString& field = m_strColors[i];
    *targets[i] = HexColor(field.GetLength() < 6 ? CString(kFields[i].fallback) : field);
  }
}

BOOL CBackDlg::ChooseColor(COLORREF& color) { return ChooseColorRef(this, color); }

BOOL CBackDlg::ChooseImage(CString& path) {
  CFileDialogEx dialog(TRUE, "GIF", "*.GIF", OFN_HIDEREADONLY, "GIFﾌｧｲﾙ(*.GIF) |*.GIF|全てのﾌｧｲﾙ(*.*) |*.*||", this);
  dialog.m_ofn.lpstrTitle = "ｲﾒｰｼﾞﾌｧｲﾙ名の入力";
  if (dialog.DoModal() != IDOK) return FALSE;
  path = dialog.GetPathName();
  return TRUE;
}

void CBackDlg::OnChooseColor(int field) {
  TransferDataFromWindow();
  COLORREF color = HexColor(m_strColors[field].GetLength() < 6 ? CString(kFields[field].fallback) : m_strColors[field]);
  if (!ChooseColor(color)) return;
  m_strColors[field].Format("%02X%02X%02X", GetRValue(color), GetGValue(color), GetBValue(color));
  TransferDataToWindow();
  UpdatePreviewColors();
  m_pPreview->Refresh();
}

void CBackDlg::OnBrowse(wxCommandEvent&) {
  CString path;
  if (!ChooseImage(path)) return;
  TransferDataFromWindow();
  // The pages are written beside the image, so its file name alone names it.
  m_strImage = path.Mid(path.ReverseFind('/') + 1);
  TransferDataToWindow();
}

void CBackDlg::OnOK(wxCommandEvent&) {
  TransferDataFromWindow();
  m_style.m_strBackground = m_strImage;
  for (int i = 0; i < 5; ++i) *StyleColor(m_style, i) = m_strColors[i];
  m_style.m_bFixed = m_bFixed;
  EndModal(IDOK);
}

BOOL EditBodyTag(wxWindow* parent, CString& bodyTag) {
  CBackDlg dialog(parent);
  dialog.m_style.ParseBodyTag(bodyTag);
  if (dialog.DoModal() != IDOK) return FALSE;
  bodyTag = dialog.m_style.MakeBodyTag(0);
  return TRUE;
}
