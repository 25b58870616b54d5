#pragma once
// Settings page "表示": how the outline rows, the title bar, the status bar and the tab strip look,
// and which questions the paste and split commands ask.
#include "app/CSettingsPage.h"

class CSetViewPage : public CSettingsPage {
 public:
  enum {
    IDD = 106,
    IDC_CHECK = 125,
    IDC_STATUSBARFULL = 126,
    IDC_TURN = 132,
    IDC_CHILD = 133,
    IDC_ICON = 134,
    IDC_TREEBUTTON = 136,
    IDC_SPLITDLG = 138,
    IDC_PASTEDLG = 139,
    IDC_PASTETEXTDLG = 140,
    IDC_TREEHEIGHT = 149,
    IDC_LEVELWIDTH = 150,
    IDC_BOLD = 160,
    IDC_TREEINPUTFONT = 161,
    IDC_TITLEBARFULLPATH = 162,
    IDC_TREEEDITPOS = 209,
    IDC_TABSTYLE = 343,
    IDC_TABPOSITION = 344,
    IDC_PASTEOPEN = 353,
    IDC_LEVELDOWNOPEN = 355,
  };

  CSetViewPage();

  int m_bBold = 0;
  int m_bCheck = 0;
  int m_bIcon = 0;
  int m_bTurn = 0;
  int m_nChild = -1;
  UINT m_nTreeHeight = 0;
  UINT m_nLevelWidth = 0;
  int m_bSplitDlg = 0;
  int m_bPasteDlg = 0;
  int m_nTreeEditPos = -1;
  int m_bTreeButton = 0;
  int m_bTreeInputFont = 0;
  int m_bTitleBarFullPath = 0;
  int m_bStatusBarFull = 0;
  int m_nTabStyle = -1;
  int m_nTabPosition = -1;
  int m_bPasteTextDlg = 0;
  int m_bPasteOpen = 0;
  int m_bLevelDownOpen = 0;
};
