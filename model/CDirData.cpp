#include "model/CDirData.h"

#include <atomic>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "foundation/DateHelpers.h"
#include "model/DateText.h"
#include "model/KvnDiskText.h"
#include "platform/base/CodePage.h"

namespace {

// The leading decimal number of at most n characters at p (no digits: 0).
int ReadNumber(const char* p, int n) {
  int value = 0;
  for (int i = 0; i < n && p[i] >= '0' && p[i] <= '9'; ++i) value = value * 10 + (p[i] - '0');
  return value;
}

// A 24-bit hexadecimal number of six characters; reading stops at the first non-hexadecimal one.
int ReadHex6(const char* p) {
  int value = 0;
  for (int i = 0; i < 6; ++i) {
    const char c = p[i];
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else if (c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else {
      break;
    }
    value = value * 16 + digit;
  }
  return value;
}

struct TimeFields {
  int year, month, day, hour, minute, second, millis;
  bool AllZero() const { return !year && !month && !day && !hour && !minute && !second && !millis; }
  bool Valid() const {
    return IsValidGregorianDate(year, month, day) && hour >= 0 && hour <= 23 && minute >= 0 && minute <= 60 &&
           second >= 0 && second <= 60;
  }
};

// Six numbers (and milliseconds when asked) from the fixed-width digits at p.
TimeFields ReadTime(const char* p, bool millis) {
  return {ReadNumber(p, 4),      ReadNumber(p + 4, 2),  ReadNumber(p + 6, 2), ReadNumber(p + 8, 2),
          ReadNumber(p + 10, 2), ReadNumber(p + 12, 2), millis ? ReadNumber(p + 14, 3) : 0};
}

// A null time stays null for 14 zeros, is set when valid, and is left alone otherwise.
void ApplyTime(COleDateTime& time, const TimeFields& t) {
  if (t.AllZero()) {
    time.SetStatus(COleDateTime::null);
  } else if (t.Valid()) {
    time = MakeDateTime(t.year, t.month, t.day, t.hour, t.minute, t.second);
  }
}

CString DigitsOf(const COleDateTime& time) {
  SYSTEMTIME t{};
  if (time.GetStatus() != COleDateTime::valid || !time.GetAsSystemTime(t)) return CString("00000000000000");
  char text[32];
  std::snprintf(text, sizeof(text), "%04d%02d%02d%02d%02d%02d", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
                t.wSecond);
  return CString(text);
}

CString TimeText(const COleDateTime& time, BOOL digits) {
  if (time.GetStatus() != COleDateTime::valid) return digits ? CString("00000000000000") : CString();
  return digits ? DigitsOf(time) : FormatDateText(time, GetTimeDisplayFormat());
}

}  // namespace

// Identities are only compared, never ordered: each thread takes a block of them at a time, so
// that threads reading one file together do not all count on one shared number.
std::uint64_t CDirData::NextIdentity() {
  constexpr std::uint64_t kBlock = 1024;
  static std::atomic<std::uint64_t> next{1};
  thread_local std::uint64_t current = 0, end = 0;
  if (current == end) {
    current = next.fetch_add(kBlock, std::memory_order_relaxed);
    end = current + kBlock;
  }
  return current++;
}

CDirData::CDirData() {
  m_created.SetStatus(COleDateTime::null);
  m_updated.SetStatus(COleDateTime::null);
}

CDirData::CDirData(const char* path) : CDirData() { m_strPath = path; }

CDirData::CDirData(const char* path, const char* text, const char* link, int status) : CDirData() {
  m_strPath = path;
  m_strText = text;
  m_strLink = link;
  m_nStatus = status;
}

int CDirData::HasTimes() const {
  if (m_updated.GetStatus() != COleDateTime::valid) return 0;
  return m_created.GetStatus() == COleDateTime::valid ? 2 : 1;
}

void CDirData::SetCreateTimeNow() {
  m_created = COleDateTime::GetCurrentTime();
  m_updated = m_created;
}

CString CDirData::GetIdText(BOOL withTimes) const {
  CString text;
  text.Format("%06X%06X%d", m_nIdHigh, m_nIdLow, m_nIdDigit);
  if (withTimes) {
    text += '\x01';
    text += DigitsOf(m_updated);
    text += DigitsOf(m_created);
    text += IsDisplayTimeSet() ? GetDisplayTimeText(TRUE) : CString("00000000000000000");
  }
  return text;
}

void CDirData::SetIdText(const char* text) {
  const CString all(text);
  const int mark = all.Find('\x01');
  if (mark >= 0) {
    const CString times = all.Mid(mark + 1);
    ReadTimesField(times, times.GetLength());
  }
  const CString id = mark >= 0 ? all.Left(mark) : all;
  ReadIdField(id, id.GetLength(), FALSE);
}

void CDirData::ReadIdField(const char* field, int length, BOOL withCaret) {
  if (length >= 6) {
    m_nIdHigh = ReadHex6(field);
    if (length <= 12 && m_nIdHigh != 0) m_nIdDigit = 1;
  }
  if (length >= 12) m_nIdLow = ReadHex6(field + 6);
  if (length >= 13) m_nIdDigit = ReadNumber(field + 12, 1);
  if (withCaret && length >= 14) {
    // The caret offset ends at the first '@' that is a character of its own, not the trail byte of
    // a Shift JIS pair.
    const std::string_view rest(field + 13, static_cast<size_t>(length - 13));
    for (size_t i = 0; i < rest.size(); ++i) {
      if (rest[i] == '@') {
        m_nCaret = ReadDecimal(rest.substr(0, i));
        break;
      }
      if (IsDBCSLeadByte(static_cast<unsigned char>(rest[i])) && i + 1 < rest.size()) ++i;
    }
  }
}

void CDirData::ReadTimesField(const char* field, int length) {
  // Fixed positions: a field that ends inside the displayed time is padded so that no digit is read
  // past its end; shorter fields are read only up to the times they hold.
  char padded[46] = {};
  const char* digits = field;
  if (length >= 42 && length < 45) {
    std::memcpy(padded, field, static_cast<size_t>(length));
    digits = padded;
  }
  if (length >= 14) ApplyTime(m_updated, ReadTime(digits, false));
  if (length >= 28) ApplyTime(m_created, ReadTime(digits + 14, false));
  if (length >= 42) {
    const TimeFields t = ReadTime(digits + 28, true);
    if (t.AllZero()) {
      m_displayed = SYSTEMTIME{};
    } else if (t.Valid()) {
      SYSTEMTIME shown{};
      MakeDateTime(t.year, t.month, t.day, t.hour, t.minute, t.second).GetAsSystemTime(shown);
      shown.wMilliseconds = static_cast<WORD>(t.millis);
      m_displayed = shown;
    }
  }
}

CString CDirData::GetUpdateTimeText(BOOL digits) const { return TimeText(m_updated, digits); }

CString CDirData::GetCreateTimeText(BOOL digits) const { return TimeText(m_created, digits); }

CString CDirData::GetDisplayTimeText(BOOL digits) const {
  if (!IsDisplayTimeSet()) return CString();
  const SYSTEMTIME& t = m_displayed;
  if (!digits) return FormatDateText(COleDateTime(t), GetTimeDisplayFormat());
  CString text;
  text.Format("%04d%02d%02d%02d%02d%02d%03d", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond,
              t.wMilliseconds);
  return text;
}

void CDirData::Serialize(CArchive& ar, int& row) {
  constexpr WORD kSchema = 100;
  if (ar.IsStoring()) {
    ar << kSchema << m_strPath.Get() << m_strText << m_strLink.Get();
    for (const int value : {m_nStatus, m_nView, row, m_nBookmark}) ar << static_cast<WORD>(value & 0xFFFF);
    return;
  }
  WORD schema = 0;
  CString path;
  CString link;
  ar >> schema >> path >> m_strText >> link;
  m_strPath = std::move(path);
  m_strLink = std::move(link);
  for (int* field : {&m_nStatus, &m_nView, &row, &m_nBookmark}) {
    WORD word = 0;
    ar >> word;
    *field = word;
  }
}
