#include "control/EditSettings.h"

#include <cstring>
#include <vector>

#include "control/ByteOrder.h"
#include "control/CCustomizeInfo.h"
#include "control/CEditCore.h"
#include "control/CTextBuffer.h"
#include "control/ColorTable.h"
#include "control/KeyTable.h"
#include "control/LogFont.h"
#include "platform/com/CRegKey.h"

namespace {

constexpr ULONG kCustSize = sizeof(CCustomizeInfo);
constexpr ULONG kCustSize516 = 516;
constexpr ULONG kCustSize432 = 432;

void AppendBytes(std::vector<std::uint8_t>& out, const char* text, int length) {
  out.insert(out.end(), reinterpret_cast<const std::uint8_t*>(text), reinterpret_cast<const std::uint8_t*>(text) + length);
}

// A binary value whole; empty when missing or of another type.
std::vector<std::uint8_t> QueryBinary(CRegKey& key, const char* name) {
  DWORD type = 0;
  ULONG size = 0;
  if (key.QueryValue(name, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_BINARY) return {};
  std::vector<std::uint8_t> bytes(size);
  if (size && key.QueryValue(name, &type, bytes.data(), &size) != ERROR_SUCCESS) return {};
  bytes.resize(size);
  return bytes;
}

// The settings record field by field: the display font as LOGFONT fields, the rest as the
// little-endian integers and bytes they are.
void CustFromBytes(CCustomizeInfo& cust, const std::uint8_t* bytes, size_t size) {
  const CLogFont font = CLogFont::FromBytes(bytes);
  std::uint8_t image[kCustSize];
  std::memcpy(image, &cust, kCustSize);
  std::memcpy(image + CLogFont::kSize, bytes + CLogFont::kSize, size - CLogFont::kSize);
  std::memcpy(&cust, image, kCustSize);
  font.ToBytes(cust.DisplayFont);
  // The integers of the record are little-endian in the store; decode them where the host is not.
  std::int32_t* ints[] = {&cust.HScrollBar, &cust.VScrollBar, &cust.WrapMode,  &cust.MarginNormal,
                          &cust.MarginQuote, &cust.TabSpace,  &cust.KanjiRead, &cust.KanjiWrite,
                          &cust.SaveCrLf,    &cust.LineSpace, &cust.HiliteTag, &cust.HiliteComment};
  for (std::int32_t* field : ints) {
    const size_t offset = static_cast<size_t>(reinterpret_cast<std::uint8_t*>(field) - reinterpret_cast<std::uint8_t*>(&cust));
    if (offset + 4 <= size) *field = static_cast<std::int32_t>(ReadLE32(bytes + offset));
  }
}

std::vector<std::uint8_t> CustToBytes(const CCustomizeInfo& cust) {
  std::vector<std::uint8_t> bytes(kCustSize);
  std::memcpy(bytes.data(), &cust, kCustSize);
  CLogFont::FromBytes(cust.DisplayFont).ToBytes(bytes.data());
  const std::int32_t* ints[] = {&cust.HScrollBar, &cust.VScrollBar, &cust.WrapMode,  &cust.MarginNormal,
                                &cust.MarginQuote, &cust.TabSpace,  &cust.KanjiRead, &cust.KanjiWrite,
                                &cust.SaveCrLf,    &cust.LineSpace, &cust.HiliteTag, &cust.HiliteComment};
  for (const std::int32_t* field : ints) {
    const size_t offset =
        static_cast<size_t>(reinterpret_cast<const std::uint8_t*>(field) - reinterpret_cast<const std::uint8_t*>(&cust));
    WriteLE32(bytes.data() + offset, static_cast<std::uint32_t>(*field));
  }
  return bytes;
}

void ReadColors(CColorTable& colors, const std::vector<std::uint8_t>& bytes) {
  for (int i = 0; i < ROLE_COUNT; ++i) {
    colors.Text[i] = ReadLE32(bytes.data() + 4 * i);
    colors.Back[i] = ReadLE32(bytes.data() + 60 + 4 * i);
    colors.Underline[i] = bytes[static_cast<size_t>(120 + i)];
  }
}

std::vector<std::uint8_t> ColorsToBytes(const CColorTable& colors) {
  std::vector<std::uint8_t> bytes;
  // The table is packed and may sit at any address: its members are read one by one, never
  // through a pointer to their element type.
  for (int i = 0; i < ROLE_COUNT; ++i) AppendLE32(bytes, colors.Text[i]);
  for (int i = 0; i < ROLE_COUNT; ++i) AppendLE32(bytes, colors.Back[i]);
  bytes.insert(bytes.end(), colors.Underline, colors.Underline + ROLE_COUNT);
  bytes.push_back(0);
  return bytes;
}

// Calls `record(at, size)` for each whole record of a counted list; `fixed` bytes come before
// each record's 32-bit length.
template <typename F>
void ReadRecords(const std::vector<std::uint8_t>& bytes, size_t fixed, F record) {
  if (bytes.size() < 4) return;
  const std::uint32_t count = ReadLE32(bytes.data());
  size_t at = 4;
  for (std::uint32_t i = 0; i < count; ++i) {
    if (at + fixed + 4 > bytes.size()) return;
    const std::uint32_t length = ReadLE32(bytes.data() + at + fixed);
    if (length > bytes.size() - at - fixed - 4) return;
    record(bytes.data() + at, static_cast<int>(length));
    at += fixed + 4 + length;
  }
}

}  // namespace

void ResetEditSettings(CCustomizeInfo& cust, CColorTable& colors) {
  cust.Reset();
  CLogFont::SystemFixed().ToBytes(cust.DisplayFont);
  colors.Reset();
}

void LoadEditSettings(HKEY root, const char* keyName, CEditCore& edit, CColorTable& colors) {
  edit.m_hiliteRules.clear();
  edit.m_faceWords.clear();
  ResetEditSettings(edit.m_cust, colors);
  edit.GetBuffer().SetAccelEntries(GetDefaultAccelEntries());

  CRegKey key;
  if (key.Create(root, keyName) != ERROR_SUCCESS) return;
  DWORD version = 0;
  if (key.QueryDWORDValue("XRegVersion", version) != ERROR_SUCCESS || version != kEditRegVersion) return;

  const std::vector<std::uint8_t> cust = QueryBinary(key, "XCust");
  if (cust.size() == kCustSize || cust.size() == kCustSize516 || cust.size() == kCustSize432) {
    CustFromBytes(edit.m_cust, cust.data(), cust.size());
    if (cust.size() == kCustSize432) {
      // The older layout kept the quote string at offset 130.
      const char* quote = reinterpret_cast<const char*>(cust.data() + 130);
      std::memset(edit.m_cust.Prefix, 0, sizeof(edit.m_cust.Prefix));
      std::memcpy(edit.m_cust.Prefix, quote, strnlen(quote, sizeof(edit.m_cust.Prefix) - 1));
      edit.m_cust.SelLinkContextMenu = 0;
    }
    edit.m_cust.ClampToRanges();
  }

  ReadRecords(QueryBinary(key, "XNW"), 1, [&](const std::uint8_t* at, int length) {
    edit.m_faceWords.push_back(CFaceWord{CRefString(reinterpret_cast<const char*>(at + 5), length), at[0] != 0});
  });
  ReadRecords(QueryBinary(key, "XHW"), 8, [&](const std::uint8_t* at, int length) {
    CHiliteRule rule;
    rule.color = static_cast<short>(ClampHiliteColor(static_cast<std::int32_t>(ReadLE32(at))));
    rule.word = at[4] != 0;
    rule.rightAll = at[5] != 0;
    rule.matchCase = at[6] != 0;
    rule.insideTag = at[7] != 0;
    rule.text = CRefString(reinterpret_cast<const char*>(at + 12), length);
    if (!rule.matchCase) rule.text.MakeUpper();
    edit.m_hiliteRules.push_back(rule);
  });

  const std::vector<std::uint8_t> accel = QueryBinary(key, "XAccel");
  if (accel.size() >= 6) {
    std::vector<CAccelEntry> entries(accel.size() / 6);
    for (size_t i = 0; i < entries.size(); ++i) {
      const std::uint8_t* at = accel.data() + 6 * i;
      entries[i].fVirt = at[0];
      entries[i].key = static_cast<WORD>(at[2] | at[3] << 8);
      entries[i].cmd = static_cast<WORD>(at[4] | at[5] << 8);
    }
    edit.GetBuffer().SetAccelEntries(entries);
  }

  const std::vector<std::uint8_t> clr = QueryBinary(key, "XClr");
  if (clr.size() == sizeof(CColorTable)) ReadColors(colors, clr);
}

HRESULT SaveEditSettings(HKEY root, const char* keyName, CEditCore& edit, const CColorTable& colors) {
  CRegKey key;
  if (key.Create(root, keyName) != ERROR_SUCCESS) return S_FALSE;
  key.SetDWORDValue("XRegVersion", kEditRegVersion);
  const std::vector<std::uint8_t> cust = CustToBytes(edit.m_cust);
  key.SetBinaryValue("XCust", cust.data(), static_cast<ULONG>(cust.size()));
  const std::vector<std::uint8_t> clr = ColorsToBytes(colors);
  key.SetBinaryValue("XClr", clr.data(), static_cast<ULONG>(clr.size()));

  std::vector<std::uint8_t> words;
  AppendLE32(words, static_cast<std::uint32_t>(edit.m_faceWords.size()));
  for (const CFaceWord& word : edit.m_faceWords) {
    words.push_back(word.enable ? 1 : 0);
    AppendLE32(words, static_cast<std::uint32_t>(word.text.GetLength()));
    AppendBytes(words, word.text, word.text.GetLength());
  }
  key.SetBinaryValue("XNW", words.data(), static_cast<ULONG>(words.size()));

  std::vector<std::uint8_t> rules;
  AppendLE32(rules, static_cast<std::uint32_t>(edit.m_hiliteRules.size()));
  for (const CHiliteRule& rule : edit.m_hiliteRules) {
    AppendLE32(rules, static_cast<std::uint32_t>(static_cast<std::int32_t>(rule.color)));
    rules.push_back(rule.word ? 1 : 0);
    rules.push_back(rule.rightAll ? 1 : 0);
    rules.push_back(rule.matchCase ? 1 : 0);
    rules.push_back(rule.insideTag ? 1 : 0);
    AppendLE32(rules, static_cast<std::uint32_t>(rule.text.GetLength()));
    AppendBytes(rules, rule.text, rule.text.GetLength());
  }
  key.SetBinaryValue("XHW", rules.data(), static_cast<ULONG>(rules.size()));

  std::vector<std::uint8_t> accel;
  for (const CAccelEntry& entry : edit.GetBuffer().GetAccelEntries()) {
    accel.push_back(entry.fVirt);
    accel.push_back(0);
    accel.push_back(static_cast<std::uint8_t>(entry.key & 0xFF));
    accel.push_back(static_cast<std::uint8_t>(entry.key >> 8));
    accel.push_back(static_cast<std::uint8_t>(entry.cmd & 0xFF));
    accel.push_back(static_cast<std::uint8_t>(entry.cmd >> 8));
  }
  key.SetBinaryValue("XAccel", accel.data(), static_cast<ULONG>(accel.size()));
  return S_OK;
}
