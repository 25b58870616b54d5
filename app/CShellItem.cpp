#include "app/CShellItem.h"

#include "foundation/CPelkoInifile.h"

namespace {

constexpr char kSection[] = "ShellItem";

CString Key(const char* name, int index) {
  CString key;
  key.Format("%s%02d", name, index);
  return key;
}

}  // namespace

void CShellItem::Load(CPelkoSettings& settings, int index) {
  m_strTitle = settings.GetProfileString(kSection, Key("Title", index), "");
  m_strPath = settings.GetProfileString(kSection, Key("Path", index), "");
  m_strParam = settings.GetProfileString(kSection, Key("Param", index), "");
  m_strEdit = settings.GetProfileString(kSection, Key("Edit", index), "");
  m_bReload = settings.GetProfileInt(kSection, Key("Reload", index), 0);
}

void CShellItem::Save(CPelkoSettings& settings, int index) const {
  settings.WriteProfileString(kSection, Key("Title", index), m_strTitle);
  settings.WriteProfileString(kSection, Key("Path", index), m_strPath);
  settings.WriteProfileString(kSection, Key("Param", index), m_strParam);
  settings.WriteProfileString(kSection, Key("Edit", index), m_strEdit);
  settings.WriteProfileInt(kSection, Key("Reload", index), m_bReload);
}

void CShellItemArray::Load(CPelkoSettings& settings) {
  const int count = settings.GetProfileInt(kSection, "Count", 0);
  for (int i = 0; i < count; ++i) {
    CShellItem item;
    item.Load(settings, i);
    push_back(item);
  }
}

void CShellItemArray::Save(CPelkoSettings& settings) const {
  settings.WriteProfileInt(kSection, "Count", static_cast<int>(size()));
  for (size_t i = 0; i < size(); ++i) (*this)[i].Save(settings, static_cast<int>(i));
}
