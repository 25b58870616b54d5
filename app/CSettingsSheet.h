#pragma once
// The program's settings: six pages in one sheet captioned "設定". The settings command presets
// the pages from the settings file (and from the running program where a value lives there),
// shows the sheet and, after OK only, writes the pages' keys back.
#include "app/CSetColorPage.h"
#include "app/CSetEditPage.h"
#include "app/CSetFilePage.h"
#include "app/CSetLinkPage.h"
#include "app/CSetPage.h"
#include "app/CSetViewPage.h"

class CPelkoSettings;
class wxWindow;

class CSettingsSheet {
 public:
  void LoadKeys(CPelkoSettings& settings);
  // IDOK or IDCANCEL; after IDOK the pages' fields hold the user's values.
  int DoModal(wxWindow* parent);
  void SaveKeys(CPelkoSettings& settings) const;

  CSetViewPage m_viewPage;
  CSetPage m_setPage;
  CSetEditPage m_editPage;
  CSetFilePage m_filePage;
  CSetLinkPage m_linkPage;
  CSetColorPage m_colorPage;

 private:
  CSettingsPage* Pages(int index);
  const CSettingsPage* Pages(int index) const;
};
