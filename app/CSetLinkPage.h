#pragma once
// Settings page "リンク": how links to files are checked, looked up and written, and where new
// linked files go.
#include "app/CSettingsPage.h"

class CSetLinkPage : public CSettingsPage {
 public:
  enum {
    IDD = 138,
    IDC_BROWSE = 106,
    IDC_LINKCHECK = 140,
    IDC_LINKEXT = 146,
    IDC_LINKINIDIR = 161,
    IDC_ABSOLUTEPATH = 162,
    IDC_LINKNEWABSOLUTE = 163,
    IDC_NEWLINKFOLDER = 213,
  };

  CSetLinkPage();

  int m_bLinkCheck = 0;
  int m_bLinkIniDir = 0;
  CString m_strLinkExt;
  int m_bAbsolutePath = 0;
  int m_bLinkNewAbsolute = 0;
  CString m_strNewLinkFolder;  // the active document's folder for new linked files; set by the caller
};
