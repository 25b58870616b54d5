#include "control/EditHistory.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "control/ByteOrder.h"
#include "platform/com/CRegKey.h"

namespace {

constexpr const char* kFindFlag = "FindFlag";

bool SameBytes(const CRefString& a, const CRefString& b) {
  return a.GetLength() == b.GetLength() && std::memcmp(a.GetString(), b.GetString(), static_cast<size_t>(a.GetLength())) == 0;
}

}  // namespace

std::vector<CRefString> ReadHistory(HKEY root, const char* keyName, const char* valueName) {
  std::vector<CRefString> list;
  CRegKey key;
  if (key.Create(root, keyName) != ERROR_SUCCESS) return list;
  ULONG size = 0;
  if (key.QueryBinaryValue(valueName, nullptr, &size) != ERROR_SUCCESS || size < 4) return list;
  std::vector<std::uint8_t> bytes(size);
  if (key.QueryBinaryValue(valueName, bytes.data(), &size) != ERROR_SUCCESS) return list;
  const auto readUInt = [&](size_t at) { return ReadLE32(bytes.data() + at); };
  const std::uint32_t count = readUInt(0);
  size_t at = 4;
  for (std::uint32_t i = 0; i < count && at + 4 <= size; ++i) {
    const std::uint32_t length = readUInt(at);
    if (length > size - at - 4) break;
    list.emplace_back(reinterpret_cast<const char*>(bytes.data() + at + 4), static_cast<int>(length));
    at += 4 + length;
  }
  return list;
}

void WriteHistory(HKEY root, const char* keyName, const char* valueName, const std::vector<CRefString>& list) {
  CRegKey key;
  if (key.Create(root, keyName) != ERROR_SUCCESS) return;
  std::vector<std::uint8_t> bytes;
  const auto appendUInt = [&](std::uint32_t value) { AppendLE32(bytes, value); };
  appendUInt(static_cast<std::uint32_t>(list.size()));
  for (const CRefString& entry : list) {
    appendUInt(static_cast<std::uint32_t>(entry.GetLength()));
    bytes.insert(bytes.end(), entry.GetString(), entry.GetString() + entry.GetLength());
  }
  key.SetBinaryValue(valueName, bytes.data(), static_cast<ULONG>(bytes.size()));
}

std::vector<CRefString> MergeHistory(const CRefString& newText, const std::vector<CRefString>& old) {
  std::vector<CRefString> list;
  if (!newText.IsEmpty()) list.push_back(newText);
  for (const CRefString& entry : old) {
    if (static_cast<int>(list.size()) >= kMaxHistory) break;
    if (!SameBytes(entry, newText)) list.push_back(entry);
  }
  return list;
}

void PushFindHistory(HKEY root, const char* keyName, const CRefString& text) {
  WriteHistory(root, keyName, "Find", MergeHistory(text, ReadHistory(root, keyName, "Find")));
  WriteFindFlag(root, keyName, false);
}

bool ReadFindFlag(HKEY root, const char* keyName) {
  CRegKey key;
  if (key.Create(root, keyName) != ERROR_SUCCESS) return false;
  std::uint8_t flags[2] = {0, 0};
  ULONG size = 0;
  if (key.QueryBinaryValue(kFindFlag, nullptr, &size) != ERROR_SUCCESS || size != 2) return false;
  if (key.QueryBinaryValue(kFindFlag, flags, &size) != ERROR_SUCCESS) return false;
  return flags[0] != 0;
}

void WriteFindFlag(HKEY root, const char* keyName, bool matchCase) {
  CRegKey key;
  if (key.Create(root, keyName) != ERROR_SUCCESS) return;
  const std::uint8_t flags[2] = {static_cast<std::uint8_t>(matchCase ? 1 : 0), 0};
  key.SetBinaryValue(kFindFlag, flags, 2);
}
