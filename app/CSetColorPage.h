#pragma once
// Settings page "色": the colours of the outline rows and of the text area's background; each
// button opens the colour chooser on its colour.
#include "app/CSettingsPage.h"
#include "platform/base/WinTypes.h"

class wxWindow;

class CSetColorPage : public CSettingsPage {
 public:
  enum {
    IDD = 137,
    IDC_BACKCOLOR = 126,
    IDC_STRCOLOR = 127,
    IDC_BACKCOLOR2 = 128,
    IDC_STRCOLOR2 = 129,
    IDC_LINKCOLOR = 131,
    IDC_LINKCOLOR2 = 137,
  };

  CSetColorPage();

  void LoadKeys(CPelkoSettings& settings) override;
  void SaveKeys(CPelkoSettings& settings) const override;

  // The button's work: the chooser offered the colour; OK stores the chosen one.
  void ChooseColor(int buttonId);

  COLORREF m_clrBack = 0;
  COLORREF m_clrBack2 = 0;
  COLORREF m_clrStr = 0;
  COLORREF m_clrStr2 = 0;
  COLORREF m_clrLink = 0;
  COLORREF m_clrLink2 = 0;
  COLORREF m_clrText = 0;  // the text area's text colour: no button, carried through

 protected:
  void CreateMoreControls(wxWindow* page, wxSizer* top) override;
  bool DoDataExchange(bool save) override;

 private:
  struct ColorButton {
    int id;
    const char* label;
    const char* key;
    COLORREF def;
    COLORREF CSetColorPage::*field;
  };
  static const ColorButton kButtons[6];
  COLORREF* FieldOf(int buttonId);
};
