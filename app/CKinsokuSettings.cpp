#include "app/CKinsokuSettings.h"

#include "foundation/CPelkoInifile.h"
#include "foundation/JapaneseText.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"

void CKinsokuSettings::SetDefaultStrings() {
  m_strKinsokuLast = "（［｛「『([{｢";
  m_strKinsokuFirst = "、。，．？！゛゜ヽヾゝゞ々ー）］｝」』!),.:;?]}｡｣､･ｰﾞﾟ";
}

void CKinsokuSettings::Load(CPelkoSettings& settings) {
  m_nKajogaki = ReadSetting(Settings::Edit::Kajogaki, settings);
  m_strKinsokuLast = ReadSetting(Settings::Print::KinsokuLast, m_strKinsokuLast, settings);
  m_strKinsokuFirst = ReadSetting(Settings::Print::KinsokuFirst, m_strKinsokuFirst, settings);
  m_nWordWrap = ReadSetting(Settings::Print::WordWrap, settings);
  m_bKinFirst = ReadSetting(Settings::Print::bKinFirst, settings);
  m_bKinLast = ReadSetting(Settings::Print::bKinLast, settings);
  m_nTagKinsoku = ReadSetting(Settings::Print::TagKinsoku, settings);
}

void CKinsokuSettings::Save(CPelkoSettings& settings) const {
  WriteSetting(Settings::Print::KinsokuFirst, m_strKinsokuFirst, settings);
  WriteSetting(Settings::Print::KinsokuLast, m_strKinsokuLast, settings);
  WriteSetting(Settings::Print::bKinLast, m_bKinLast, settings);
  WriteSetting(Settings::Print::bKinFirst, m_bKinFirst, settings);
  WriteSetting(Settings::Print::WordWrap, m_nWordWrap, settings);
  WriteSetting(Settings::Print::TagKinsoku, m_nTagKinsoku, settings);
}

bool CKinsokuSettings::CanBeginLine(const char* text, int offset) const {
  return !m_bKinFirst || CharInSetAt(text, offset, m_strKinsokuFirst) == 0;
}

bool CKinsokuSettings::CanEndLine(const char* text, int offset) const {
  return !m_bKinLast || CharInSetBefore(text, offset, m_strKinsokuLast) == 0;
}

CKinsokuSettings& GetKinsokuSettings() {
  static CKinsokuSettings settings;
  return settings;
}
