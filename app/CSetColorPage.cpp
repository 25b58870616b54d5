#include "app/CSetColorPage.h"

#include <wx/button.h>
#include <wx/colordlg.h>
#include <wx/sizer.h>

#include "app/CKestavonApp.h"
#include "foundation/CPelkoInifile.h"
#include "platform/base/ColorRef.h"
#include "platform/base/CodePage.h"

namespace {

// Swatches beside the buttons show the colours; their window ids follow the buttons' by this much.
constexpr int kSwatchOffset = 1000;

}  // namespace

const CSetColorPage::ColorButton CSetColorPage::kButtons[6] = {
    {IDC_BACKCOLOR, "背景色(&B)...", "BackColor", RGB(255, 255, 255), &CSetColorPage::m_clrBack},
    {IDC_BACKCOLOR2, "選択背景色(&E)...", "BackColor2", RGB(0, 0, 128), &CSetColorPage::m_clrBack2},
    {IDC_STRCOLOR, "文字色(&S)...", "StrColor", RGB(0, 0, 0), &CSetColorPage::m_clrStr},
    {IDC_STRCOLOR2, "選択文字色(&P)...", "StrColor2", RGB(255, 255, 255), &CSetColorPage::m_clrStr2},
    {IDC_LINKCOLOR, "ﾘﾝｸ文字色(&M)...", "LinkColor", RGB(0, 0, 255), &CSetColorPage::m_clrLink},
    {IDC_LINKCOLOR2, "選択ﾘﾝｸ色(&N)...", "LinkColor2", RGB(255, 255, 0), &CSetColorPage::m_clrLink2},
};

CSetColorPage::CSetColorPage() : CSettingsPage("色") {}

void CSetColorPage::LoadKeys(CPelkoSettings& settings) {
  for (const ColorButton& button : kButtons)
    this->*button.field = static_cast<COLORREF>(settings.GetProfileInt("View", button.key, static_cast<int>(button.def)));
  m_clrText = static_cast<COLORREF>(settings.GetProfileInt("Edit", "TextColor", 0));
}

void CSetColorPage::SaveKeys(CPelkoSettings& settings) const {
  for (const ColorButton& button : kButtons)
    settings.WriteProfileInt("View", button.key, static_cast<int>(this->*button.field));
  // The text area shares the outline's background.
  settings.WriteProfileInt("Edit", "BackColor", static_cast<int>(m_clrBack));
  settings.WriteProfileInt("Edit", "TextColor", static_cast<int>(m_clrText));
}

COLORREF* CSetColorPage::FieldOf(int buttonId) {
  for (const ColorButton& button : kButtons)
    if (button.id == buttonId) return &(this->*button.field);
  return nullptr;
}

void CSetColorPage::CreateMoreControls(wxWindow* page, wxSizer* top) {
  auto* grid = new wxFlexGridSizer(2, 6, 8);
  for (const ColorButton& button : kButtons) {
    auto* swatch = new wxWindow(page, button.id + kSwatchOffset, wxDefaultPosition, wxSize(40, 20), wxBORDER_SIMPLE);
    grid->Add(swatch, 0, wxALIGN_CENTER_VERTICAL);
    auto* control = new wxButton(page, button.id, CP932ToWx(button.label));
    grid->Add(control, 0, wxEXPAND);
    control->Bind(wxEVT_BUTTON, [this, id = button.id](wxCommandEvent&) { ChooseColor(id); });
  }
  top->Add(grid, 0);
}

bool CSetColorPage::DoDataExchange(bool save) {
  if (save) return true;
  for (const ColorButton& button : kButtons) {
    if (wxWindow* swatch = GetDlgItem(button.id + kSwatchOffset)) {
      swatch->SetBackgroundColour(ColorRefToWx(this->*button.field));
      swatch->Refresh();
    }
  }
  return true;
}

void CSetColorPage::ChooseColor(int buttonId) {
  COLORREF* field = FieldOf(buttonId);
  if (field == nullptr) return;
  wxColourData data;
  data.SetChooseFull(true);
  data.SetColour(ColorRefToWx(*field));
  auto* app = dynamic_cast<CKestavonApp*>(AfxGetApp());
  if (app != nullptr)
    for (int i = 0; i < 16; ++i) data.SetCustomColour(i, ColorRefToWx(app->m_customColors[i]));
  wxColourDialog dialog(GetWindow(), &data);
  if (dialog.ShowModal() != wxID_OK) return;
  *field = WxToColorRef(dialog.GetColourData().GetColour());
  if (app != nullptr) {
    for (int i = 0; i < 16; ++i) {
      const wxColour custom = dialog.GetColourData().GetCustomColour(i);
      if (custom.IsOk()) app->m_customColors[i] = WxToColorRef(custom);
    }
  }
  DoDataExchange(false);
}
