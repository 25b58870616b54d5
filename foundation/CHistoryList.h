#pragma once
// Recently entered texts (entry 0 the newest), kept in one section of the application's settings
// under the keys <prefix>00, <prefix>01, ... and offered in combo boxes.
#include "platform/base/CString.h"
#include "platform/base/CStringArray.h"

class wxComboBox;

class CHistoryList : public CStringArray {
 public:
  CHistoryList();
  ~CHistoryList() override;

  void SetSection(const char* section) { m_strSection = section; }

  // Appends the stored entries, skipping texts already in the list; returns the count.
  int Load();
  // Writes every entry; keys beyond the count keep what they held.
  void Save();
  // Puts text at the top: 1 when it was new (the oldest entry beyond the maximum is dropped), 0
  // when it was there already (it moves to the top).
  int Add(const char* text);
  CString GetFirst() const;
  // Lists the non-empty entries and shows entry 0 as the field's text.
  void FillComboBox(wxComboBox* combo) const;

  CString m_strSection;
  CString m_strKeyPrefix;
  int m_nMaxCount;

 private:
  CString KeyName(int index) const;
};
