#include "app/CKinsokuSettings.h"

#include "foundation/CPelkoInifile.h"
#include "foundation/JapaneseText.h"

void CKinsokuSettings::SetDefaultStrings() {
  m_strKinsokuLast = "（［｛「『([{｢";
  m_strKinsokuFirst = "、。，．？！゛゜ヽヾゝゞ々ー）］｝」』!),.:;?]}｡｣､･ｰﾞﾟ";
}

void CKinsokuSettings::Load(CPelkoSettings& settings) {
  m_nKajogaki = settings.GetProfileInt("Edit", "Kajogaki", 0);
  m_strKinsokuLast = settings.GetProfileString("Print", "KinsokuLast", m_strKinsokuLast);
  m_strKinsokuFirst = settings.GetProfileString("Print", "KinsokuFirst", m_strKinsokuFirst);
  m_nWordWrap = settings.GetProfileInt("Print", "WordWrap", 1);
  m_bKinFirst = settings.GetProfileInt("Print", "bKinFirst", 1);
  m_bKinLast = settings.GetProfileInt("Print", "bKinLast", 1);
  m_nTagKinsoku = settings.GetProfileInt("Print", "TagKinsoku", 1);
}

void CKinsokuSettings::Save(CPelkoSettings& settings) const {
  settings.WriteProfileString("Print", "KinsokuFirst", m_strKinsokuFirst);
  settings.WriteProfileString("Print", "KinsokuLast", m_strKinsokuLast);
  settings.WriteProfileInt("Print", "bKinLast", m_bKinLast);
  settings.WriteProfileInt("Print", "bKinFirst", m_bKinFirst);
  settings.WriteProfileInt("Print", "WordWrap", m_nWordWrap);
  settings.WriteProfileInt("Print", "TagKinsoku", m_nTagKinsoku);
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
