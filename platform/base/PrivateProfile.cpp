#include "platform/base/PrivateProfile.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/AtomicFile.h"
#include "platform/base/CString.h"
#include "platform/base/CodePage.h"
#include "platform/base/FileStamp.h"
#include "platform/base/Places.h"

namespace {

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool SameName(std::string_view a, std::string_view b) {
  return CString(a).CompareNoCase(CString(b)) == 0;
}

struct Line {
  std::string raw;  // as it stands in the file, without the line end
  std::string key;  // trimmed key of a key line
  bool isKey = false;
};

struct Section {
  bool hasHeader = false;  // the lines before the first section line have none
  std::string name;
  std::string header;
  std::vector<Line> lines;
};

struct Profile {
  std::vector<Section> sections;

  Section* Find(std::string_view name) {
    for (Section& s : sections) {
      if (s.hasHeader && SameName(s.name, name)) return &s;
    }
    return nullptr;
  }
};

Line ParseLine(std::string raw) {
  Line line;
  const std::string_view text = TrimBlanks(raw);
  if (!text.empty()) {
    line.isKey = true;
    line.key = std::string(TrimBlanks(text.substr(0, text.find('='))));
  }
  line.raw = std::move(raw);
  return line;
}

Profile Parse(const std::string& bytes) {
  Profile profile;
  profile.sections.emplace_back();
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string raw = bytes.substr(start, end - start);
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    start = end + 1;
    const std::string_view text = TrimBlanks(raw);
    if (!text.empty() && text.front() == '[') {
      Section section;
      section.hasHeader = true;
      const size_t close = text.find(']');
      section.name = std::string(TrimBlanks(text.substr(1, close == std::string_view::npos ? text.npos : close - 1)));
      section.header = std::move(raw);
      profile.sections.push_back(std::move(section));
    } else {
      profile.sections.back().lines.push_back(ParseLine(std::move(raw)));
    }
  }
  return profile;
}

std::string Serialize(const Profile& profile) {
  std::string out;
  for (const Section& s : profile.sections) {
    if (s.hasHeader) out += s.header + "\r\n";
    for (const Line& line : s.lines) out += line.raw + "\r\n";
  }
  return out;
}

struct CachedFile {
  FileStamp stamp;
  Profile profile;
};

class ProfileCache {
 public:
  // The parsed file, read again when it changed on disk since it was parsed.
  Profile& Get(const CString& path) {
    const std::string osPath = CP932ToUTF8(path.str());
    CachedFile& cached = m_files[osPath];
    const FileStamp now = FileStampOf(osPath);
    if (!(now == cached.stamp) || cached.profile.sections.empty()) {
      std::string bytes;
      if (now.exists) {
        std::ifstream in(osPath, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
      }
      cached.profile = Parse(bytes);
      cached.stamp = now;
    }
    return cached.profile;
  }

  bool Store(const CString& path, Profile&& profile) {
    if (!WriteFileAtomically(path, Serialize(profile), false)) return false;
    const std::string osPath = CP932ToUTF8(path.str());
    m_files[osPath] = CachedFile{FileStampOf(osPath), std::move(profile)};
    return true;
  }

  std::mutex& Mutex() { return m_mutex; }

 private:
  std::mutex m_mutex;
  std::map<std::string, CachedFile> m_files;
};

ProfileCache& Cache() {
  static ProfileCache cache;
  return cache;
}

CString ProfilePath(const char* fileName) {
  CString name(fileName);
  if (name.Find('/') < 0) return GetWindowsFolder() + "/" + name;
  return name;
}

// The value of a key line: after the first "=", trimmed, one pair of enclosing quotes removed.
std::string_view ValueOf(const Line& line) {
  const size_t eq = line.raw.find('=');
  if (eq == std::string::npos) return std::string_view();
  std::string_view value = TrimBlanks(std::string_view(line.raw).substr(eq + 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

// Looks the key up; false when the section or key is missing.
bool Lookup(const char* section, const char* key, const char* fileName, std::string& value) {
  if (section == nullptr || key == nullptr || fileName == nullptr) return false;
  std::lock_guard<std::mutex> lock(Cache().Mutex());
  Section* s = Cache().Get(ProfilePath(fileName)).Find(TrimBlanks(section));
  if (s == nullptr) return false;
  const std::string_view wanted = TrimBlanks(key);
  for (const Line& line : s->lines) {
    if (line.isKey && SameName(line.key, wanted)) {
      value = std::string(ValueOf(line));
      return true;
    }
  }
  return false;
}

DWORD CopyCut(std::string_view text, char* buffer, DWORD size) {
  if (buffer == nullptr || size == 0) return 0;
  size_t n = 0;
  while (n < text.size()) {
    const size_t step = (IsDBCSLeadByte(static_cast<unsigned char>(text[n])) && n + 1 < text.size()) ? 2 : 1;
    if (n + step > size - 1) break;
    n += step;
  }
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
  return static_cast<DWORD>(n);
}

// The integer read of Windows: blanks, sign, an optional base prefix, then digits of that base.
int ParseProfileInt(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  unsigned base = 10;
  if (i + 1 < text.size() && text[i] == '0') {
    const char p = static_cast<char>(text[i + 1] | 0x20);
    if (p == 'x') base = 16;
    else if (p == 'o') base = 8;
    else if (p == 'b') base = 2;
    if (base != 10) i += 2;
  }
  std::uint32_t total = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    unsigned digit = 0;
    if (c >= '0' && c <= '9') digit = static_cast<unsigned>(c - '0');
    else if (c >= 'a' && c <= 'f') digit = static_cast<unsigned>(c - 'a' + 10);
    else if (c >= 'A' && c <= 'F') digit = static_cast<unsigned>(c - 'A' + 10);
    else break;
    if (digit >= base) break;
    total = total * base + digit;
  }
  return static_cast<int>(negative ? 0u - total : total);
}

}  // namespace

DWORD GetPrivateProfileString(const char* section, const char* key, const char* defaultValue, char* buffer,
                              DWORD size, const char* fileName) {
  std::string value;
  if (!Lookup(section, key, fileName, value)) {
    std::string_view fallback(defaultValue ? defaultValue : "");
    while (!fallback.empty() && fallback.back() == ' ') fallback.remove_suffix(1);
    value = std::string(fallback);
  }
  return CopyCut(value, buffer, size);
}

int GetPrivateProfileInt(const char* section, const char* key, int defaultValue, const char* fileName) {
  std::string value;
  if (!Lookup(section, key, fileName, value) || value.empty()) return defaultValue;
  return ParseProfileInt(value);
}

BOOL WritePrivateProfileString(const char* section, const char* key, const char* value, const char* fileName) {
  if (section == nullptr || fileName == nullptr) return FALSE;
  // A line break would start new lines of the file: a value taken from a file name could then
  // add keys and sections of its own.
  for (const char* text : {section, key, value}) {
    if (text != nullptr && std::strpbrk(text, "\r\n") != nullptr) return FALSE;
  }
  const CString path = ProfilePath(fileName);
  std::lock_guard<std::mutex> lock(Cache().Mutex());
  Profile profile = Cache().Get(path);  // changed on a copy: the cache keeps the file's state on failure
  const std::string_view sectionName = TrimBlanks(section);
  Section* s = profile.Find(sectionName);
  if (key == nullptr) {
    if (s == nullptr) return TRUE;
    profile.sections.erase(profile.sections.begin() + (s - profile.sections.data()));
    return Cache().Store(path, std::move(profile)) ? TRUE : FALSE;
  }
  const std::string_view keyName = TrimBlanks(key);
  if (s == nullptr) {
    if (value == nullptr) return TRUE;
    Section added;
    added.hasHeader = true;
    added.name = std::string(sectionName);
    added.header = "[" + added.name + "]";
    profile.sections.push_back(std::move(added));
    s = &profile.sections.back();
  }
  auto found = s->lines.end();
  auto lastKey = s->lines.end();
  for (auto it = s->lines.begin(); it != s->lines.end(); ++it) {
    if (!it->isKey) continue;
    lastKey = it;
    if (found == s->lines.end() && SameName(it->key, keyName)) found = it;
  }
  if (value == nullptr) {
    if (found == s->lines.end()) return TRUE;
    s->lines.erase(found);
  } else if (found != s->lines.end()) {
    const std::string raw = found->key + "=" + value;
    if (raw == found->raw) return TRUE;
    *found = ParseLine(raw);
  } else {
    // A new key follows the section's last key, ahead of the blank lines that part sections.
    const auto at = lastKey == s->lines.end() ? s->lines.begin() : lastKey + 1;
    s->lines.insert(at, ParseLine(std::string(keyName) + "=" + value));
  }
  return Cache().Store(path, std::move(profile)) ? TRUE : FALSE;
}
