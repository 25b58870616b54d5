#include "foundation/CHistoryList.h"

#include <wx/combobox.h>

#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"

CHistoryList::CHistoryList() : m_strKeyPrefix("str"), m_nMaxCount(20) {}

CHistoryList::~CHistoryList() = default;

CString CHistoryList::KeyName(int index) const {
  CString key;
  key.Format("%s%02d", m_strKeyPrefix.GetString(), index);
  return key;
}

int CHistoryList::Load() {
  CWinApp* app = AfxGetApp();
  for (int i = 0; i < m_nMaxCount; ++i) {
    const CString value = app ? app->GetProfileString(m_strSection, KeyName(i), "") : CString();
    bool known = false;
    for (const CString& entry : *this) {
      if (entry == value) {
        known = true;
        break;
      }
    }
    if (!known) CStringArray::Add(value);
  }
  return GetSize();
}

void CHistoryList::Save() {
  CWinApp* app = AfxGetApp();
  if (!app) return;
  for (int i = 0; i < GetSize(); ++i) app->WriteProfileString(m_strSection, KeyName(i), GetAt(i));
}

int CHistoryList::Add(const char* text) {
  const CString value(text);
  for (int i = 0; i < GetSize(); ++i) {
    if (GetAt(i) != value) continue;
    if (i > 0) {
      RemoveAt(i);
      InsertAt(0, value);
    }
    return 0;
  }
  InsertAt(0, value);
  if (GetSize() > m_nMaxCount) RemoveAt(m_nMaxCount);
  return 1;
}

CString CHistoryList::GetFirst() const { return IsEmpty() ? CString() : GetAt(0); }

void CHistoryList::FillComboBox(wxComboBox* combo) const {
  for (const CString& entry : *this) {
    if (!entry.IsEmpty()) combo->Append(CP932ToWx(entry.GetString()));
  }
  combo->SetValue(CP932ToWx(GetFirst().GetString()));
}
