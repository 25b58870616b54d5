#pragma once
// Settings page "動作": what adding, deleting, double clicks, the mouse wheel, URLs and a second
// start do, and where the cursor goes at start-up.
#include "app/CSettingsPage.h"

class CSetPage : public CSettingsPage {
 public:
  enum {
    IDD = 139,
    IDC_ADDMOVE = 130,
    IDC_ADDNOTITLE = 131,
    IDC_MOUSEWHEEL = 139,
    IDC_AFTERTEXT = 149,
    IDC_FIRSTLINETITLE = 183,
    IDC_AUTOFIRST = 184,
    IDC_DBLCLK = 187,
    IDC_URLOPENMODE = 188,
    IDC_BMOUSEWHEEL = 208,
    IDC_DELCHECK = 217,
    IDC_LOCALETZ = 227,
    IDC_TREEUPMODE = 293,
    IDC_PROFILEFOLDER = 294,
    IDC_SINGLEINSTANCE = 297,
    IDC_FIRSTCURSOR = 304,
    IDC_TEXTCURINIT = 329,
    IDC_PASTEMOVE = 354,
  };

  CSetPage();

  int m_bAddMove = 0;
  int m_nDblClk = -1;
  int m_bAddNoTitle = 0;
  int m_bFirstLineTitle = 0;  // the active document's option; the caller presets and applies it
  int m_bAutoFirst = 0;
  int m_bMouseWheel = 0;
  UINT m_nMouseWheel = 0;
  CString m_strLocaleTz;
  int m_nUrlOpenMode = -1;
  int m_bAfterText = 0;
  int m_bDelCheck = 0;
  int m_bTreeUpMode = 0;
  int m_nSingleInstance = -1;
  int m_bFirstCursor = 0;
  int m_bProfileFolder = 0;
  int m_nTextCurInit = -1;
  int m_bPasteMove = 0;

 protected:
  void UpdateEnabling() override;
};
