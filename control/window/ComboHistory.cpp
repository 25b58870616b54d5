#include "control/window/ComboHistory.h"

#include <wx/combobox.h>

#include <vector>

#include "control/EditHistory.h"
#include "platform/base/CodePage.h"

void PushComboHistory(HKEY root, const char* keyName, const char* valueName, wxComboBox* combo) {
  std::vector<CRefString> old;
  for (unsigned i = 0; i < combo->GetCount(); ++i) old.emplace_back(WxToCP932(combo->GetString(i)).GetString());
  WriteHistory(root, keyName, valueName, MergeHistory(WxToCP932(combo->GetValue()).GetString(), old));
}

CRefString FillComboHistory(HKEY root, const char* keyName, const char* valueName, wxComboBox* combo,
                            const CRefString& current) {
  combo->Clear();
  const std::vector<CRefString> list = MergeHistory(current, ReadHistory(root, keyName, valueName));
  for (const CRefString& entry : list) combo->Append(CP932ToWx(entry.GetString()));
  return list.empty() ? CRefString() : list.front();
}
