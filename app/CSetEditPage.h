#pragma once
// Settings page "編集": input method, bulleted lists, dragging trees, the text of a new tree,
// the title output and the spell checker.
#include "app/CSettingsPage.h"

class CSetEditPage : public CSettingsPage {
 public:
  enum {
    IDD = 153,
    IDC_BADDINI = 189,
    IDC_IME = 190,
    IDC_KAJOGAKI = 192,
    IDC_INITTITLEOUT = 267,
    IDC_DRAGDROPMODE = 278,
    IDC_SPELLCHECK = 345,
  };

  CSetEditPage();

  int m_bIme = 0;
  int m_bKajogaki = 0;
  int m_nDragDropMode = -1;
  int m_nAddIni = -1;
  int m_nInitTitleOut = -1;
  int m_nSpellCheck = -1;
};
