#include "treeview/CPrintFontDlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/ColorChoice.h"
#include "platform/desktop/CFont.h"
#include "platform/base/ColorRef.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "treeview/FontChoice.h"

namespace {

const char* const kNames[kPrintFontCount] = {"トップ階層", "第１階層", "第２階層", "第３階層", "第４階層",
                                             "第５階層",   "その他の階層", "テキスト", "ヘッダ",   "フッタ"};

}  // namespace

CPrintFontDlg::CPrintFontDlg(wxWindow* parent, CFont* fonts, COLORREF* colours)
    : wxDialog(parent, wxID_ANY, CP932ToWx("印刷用フォントの設定")), m_pFonts(fonts), m_pColors(colours) {
  auto* grid = new wxFlexGridSizer(2, 6, 12);
  grid->AddGrowableCol(0);
  for (int i = 0; i < kPrintFontCount; ++i) {
    m_samples[i] = new wxStaticText(this, SampleId(i), CP932ToWx(kNames[i]));
    grid->Add(m_samples[i], 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(new wxButton(this, ChangeId(i), CP932ToWx("変更")), 0, wxALIGN_CENTER_VERTICAL);
    Bind(wxEVT_BUTTON, [this, i](wxCommandEvent&) { OnChange(i); }, ChangeId(i));
    ShowSample(i);
  }
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(grid, 1, wxEXPAND | wxALL, 8);
  // One button only: every change is already in the caller's fonts.
  auto* close = new wxButton(this, IDOK, CP932ToWx("閉じる"));
  close->SetDefault();
  top->Add(close, 0, wxALL | wxALIGN_RIGHT, 8);
  SetSizerAndFit(top);
  SetAffirmativeId(IDOK);
  SetEscapeId(IDOK);
  CentreOnParent();
}

void CPrintFontDlg::ShowSample(int index) {
  if (m_pFonts[index].HasFont()) m_samples[index]->SetFont(m_pFonts[index].GetWxFont());
  m_samples[index]->SetForegroundColour(ColorRefToWx(m_pColors[index]));
  m_samples[index]->Refresh();
}

void CPrintFontDlg::OnChange(int index) {
  CFont& font = m_pFonts[index];
  LOGFONT lf{};
  if (!ChooseLogFont(this, font, lf)) return;
  // GTK's font chooser offers no text colour: the colour chooser follows it, and cancelling that
  // keeps the colour the font had.
  ChooseColorRef(this, m_pColors[index]);
  font.DeleteObject();
  font.CreateFontIndirect(&lf);
  ShowSample(index);
  Layout();
  Fit();
}
