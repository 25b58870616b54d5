#include "app/CShellItem.h"

#include "foundation/CPelkoInifile.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"

void CShellItem::Load(CPelkoSettings& settings, int index) {
  m_strTitle = ReadSetting(Settings::ShellItem::Title, index, settings);
  m_strPath = ReadSetting(Settings::ShellItem::Path, index, settings);
  m_strParam = ReadSetting(Settings::ShellItem::Param, index, settings);
  m_strEdit = ReadSetting(Settings::ShellItem::Edit, index, settings);
  m_bReload = ReadSetting(Settings::ShellItem::Reload, index, settings);
}

void CShellItem::Save(CPelkoSettings& settings, int index) const {
  WriteSetting(Settings::ShellItem::Title, index, m_strTitle, settings);
  WriteSetting(Settings::ShellItem::Path, index, m_strPath, settings);
  WriteSetting(Settings::ShellItem::Param, index, m_strParam, settings);
  WriteSetting(Settings::ShellItem::Edit, index, m_strEdit, settings);
  WriteSetting(Settings::ShellItem::Reload, index, m_bReload, settings);
}

void CShellItemArray::Load(CPelkoSettings& settings) {
  const int count = ReadSetting(Settings::ShellItem::Count, settings);
  for (int i = 0; i < count; ++i) {
    CShellItem item;
    item.Load(settings, i);
    push_back(item);
  }
}

void CShellItemArray::Save(CPelkoSettings& settings) const {
  WriteSetting(Settings::ShellItem::Count, static_cast<int>(size()), settings);
  for (size_t i = 0; i < size(); ++i) (*this)[i].Save(settings, static_cast<int>(i));
}
