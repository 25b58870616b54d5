#include "platform/framework/CDockState.h"

#include "platform/framework/CWinApp.h"

namespace {

CString BarSection(const char* section, int index) {
  CString name;
  name.Format("%s-Bar%d", section, index);
  return name;
}

}  // namespace

void CDockState::LoadState(const char* section) {
  Clear();
  CWinApp* app = AfxGetApp();
  if (!app) return;
  const CString summary = CString(section) + "-Summary";
  const int count = app->GetProfileInt(summary, "Bars", 0);
  for (int i = 0; i < count; ++i) {
    const CString bar = BarSection(section, i);
    CControlBarInfo info;
    info.m_nBarID = static_cast<UINT>(app->GetProfileInt(bar, "BarID", 0));
    info.m_bVisible = app->GetProfileInt(bar, "Visible", 1) ? TRUE : FALSE;
    info.m_bFloating = app->GetProfileInt(bar, "Floating", 0) ? TRUE : FALSE;
    info.m_bDockContext = app->GetProfileInt(bar, "DockContext", 0) ? TRUE : FALSE;
    info.m_strPlace = app->GetProfileString(bar, "Place", "");
    m_arrBarInfo.push_back(info);
  }
}

void CDockState::SaveState(const char* section) const {
  CWinApp* app = AfxGetApp();
  if (!app) return;
  const CString summary = CString(section) + "-Summary";
  // Entries of an earlier, longer layout go, so that they cannot be read back as bars of this one.
  const int old = app->GetProfileInt(summary, "Bars", 0);
  for (int i = static_cast<int>(m_arrBarInfo.size()); i < old; ++i)
    app->WriteProfileString(BarSection(section, i), nullptr, nullptr);
  app->WriteProfileInt(summary, "Bars", static_cast<int>(m_arrBarInfo.size()));
  for (size_t i = 0; i < m_arrBarInfo.size(); ++i) {
    const CControlBarInfo& info = m_arrBarInfo[i];
    const CString bar = BarSection(section, static_cast<int>(i));
    app->WriteProfileInt(bar, "BarID", static_cast<int>(info.m_nBarID));
    app->WriteProfileInt(bar, "Visible", info.m_bVisible ? 1 : 0);
    app->WriteProfileInt(bar, "Floating", info.m_bFloating ? 1 : 0);
    app->WriteProfileInt(bar, "DockContext", info.m_bDockContext ? 1 : 0);
    app->WriteProfileString(bar, "Place", info.m_strPlace);
  }
}
