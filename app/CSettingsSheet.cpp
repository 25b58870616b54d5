#include "app/CSettingsSheet.h"

#include <algorithm>

#include "platform/framework/DialogHelp.h"
#include "platform/framework/CPropertySheet.h"

namespace {
constexpr int kPageCount = 6;
}

CSettingsPage* CSettingsSheet::Pages(int index) {
  CSettingsPage* pages[kPageCount] = {&m_viewPage, &m_setPage, &m_editPage, &m_filePage, &m_linkPage, &m_colorPage};
  return pages[index];
}

const CSettingsPage* CSettingsSheet::Pages(int index) const { return const_cast<CSettingsSheet*>(this)->Pages(index); }

void CSettingsSheet::LoadKeys(CPelkoSettings& settings) {
  for (int i = 0; i < kPageCount; ++i) Pages(i)->LoadKeys(settings);
}

void CSettingsSheet::SaveKeys(CPelkoSettings& settings) const {
  for (int i = 0; i < kPageCount; ++i) Pages(i)->SaveKeys(settings);
}

int CSettingsSheet::DoModal(wxWindow* parent) {
  CPropertySheet sheet(parent, "設定");
  for (int i = 0; i < kPageCount; ++i) sheet.AddPage(Pages(i));
  // Help topics of the pages, in page order.
  static constexpr DWORD kTopics[kPageCount] = {86, 87, 88, 89, 89, 235};
  BindDialogHelp(&sheet, [&sheet] { return kTopics[std::max(sheet.GetActiveIndex(), 0)]; });
  return sheet.DoModal();
}
