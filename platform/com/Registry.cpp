#include "platform/com/Registry.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
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

constexpr std::uintptr_t kClassesRoot = 0x80000000u;
constexpr std::uintptr_t kCurrentUser = 0x80000001u;
constexpr std::uintptr_t kLocalMachine = 0x80000002u;
constexpr const char* kFileHeader = "KESTA32 REGISTRY 1";

// Names compare as Windows compares them: letter case aside, double-byte characters intact.
std::string Folded(std::string_view name) { return CString(name).MakeLower().str(); }

struct Value {
  std::string name;
  DWORD type = REG_NONE;
  std::string data;
};

struct Key {
  std::string name;
  std::map<std::string, std::unique_ptr<Key>> subkeys;  // by folded name: the enumeration order
  std::vector<Value> values;                            // in the order first set

  Key() = default;
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  // Frees the subtree without recursion: a file may nest keys deeper than the stack reaches.
  ~Key() {
    std::vector<std::unique_ptr<Key>> doomed;
    auto take = [&doomed](Key& key) {
      for (auto& [folded, sub] : key.subkeys) {
        if (sub) doomed.push_back(std::move(sub));
      }
    };
    take(*this);
    while (!doomed.empty()) {
      std::unique_ptr<Key> key = std::move(doomed.back());
      doomed.pop_back();
      take(*key);  // emptied, so its own destructor has nothing left to free
    }
  }

  Key* Sub(std::string_view subName) const {
    auto it = subkeys.find(Folded(subName));
    return it == subkeys.end() ? nullptr : it->second.get();
  }
  Value* FindValue(std::string_view valueName) {
    const std::string folded = Folded(valueName);
    for (Value& v : values) {
      if (Folded(v.name) == folded) return &v;
    }
    return nullptr;
  }
};

// The parts of a key path; empty parts (doubled or outer separators) are skipped.
std::vector<std::string> SplitPath(const char* path) {
  std::vector<std::string> parts;
  if (path == nullptr) return parts;
  std::string current;
  for (const char* p = path; *p != '\0';) {
    const int length = CharLengthAt(p);
    if (length == 1 && *p == '\\') {
      if (!current.empty()) parts.push_back(std::move(current));
      current.clear();
    } else {
      current.append(p, static_cast<size_t>(length));
    }
    p += length;
  }
  if (!current.empty()) parts.push_back(std::move(current));
  return parts;
}

// ---- The file: "[ROOT\key\key]" lines, then '"name"=' or '@=' value lines as regedit writes them.
// Bytes that would break the syntax are written as %HH, so names and strings keep every byte.

std::string Escape(std::string_view text) {
  std::string out;
  for (const char ch : text) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x20 || b == 0x7F || ch == '%' || ch == '\\' || ch == '"' || ch == '[' || ch == ']') {
      char hex[4];
      std::snprintf(hex, sizeof(hex), "%%%02X", b);
      out += hex;
    } else {
      out += ch;
    }
  }
  return out;
}

int HexDigit(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  return -1;
}

std::string Unescape(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 && HexDigit(text[i + 2]) >= 0) {
      out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string HexBytes(std::string_view data) {
  std::string out;
  char hex[4];
  for (size_t i = 0; i < data.size(); ++i) {
    std::snprintf(hex, sizeof(hex), i ? ",%02x" : "%02x", static_cast<unsigned char>(data[i]));
    out += hex;
  }
  return out;
}

std::string ParseHexBytes(std::string_view text) {
  std::string out;
  int high = -1;
  for (const char ch : text) {
    const int digit = HexDigit(ch);
    if (digit < 0) continue;
    if (high < 0) {
      high = digit;
    } else {
      out += static_cast<char>(high * 16 + digit);
      high = -1;
    }
  }
  return out;
}

std::string ValueLine(const Value& v) {
  std::string line = v.name.empty() ? "@=" : "\"" + Escape(v.name) + "\"=";
  const size_t nul = v.data.find('\0');
  if (v.type == REG_DWORD && v.data.size() == 4) {
    DWORD number = 0;
    std::memcpy(&number, v.data.data(), 4);
    char text[16];
    std::snprintf(text, sizeof(text), "dword:%08x", static_cast<unsigned>(number));
    line += text;
  } else if (v.type == REG_SZ && nul != std::string::npos && nul + 1 == v.data.size()) {
    line += "\"" + Escape(std::string_view(v.data).substr(0, nul)) + "\"";
  } else if (v.type == REG_BINARY) {
    line += "hex:" + HexBytes(v.data);
  } else {
    char prefix[24];
    std::snprintf(prefix, sizeof(prefix), "hex(%x):", static_cast<unsigned>(v.type));
    line += prefix + HexBytes(v.data);
  }
  return line;
}

bool ParseValueLine(const std::string& line, Value& v) {
  size_t pos = 0;
  if (line[0] == '@') {
    pos = 1;
  } else {
    const size_t close = line.find('"', 1);
    if (close == std::string::npos) return false;
    v.name = Unescape(std::string_view(line).substr(1, close - 1));
    pos = close + 1;
  }
  if (pos >= line.size() || line[pos] != '=') return false;
  const std::string_view data = std::string_view(line).substr(pos + 1);
  if (data.rfind("dword:", 0) == 0) {
    const auto number = static_cast<DWORD>(std::strtoul(std::string(data.substr(6)).c_str(), nullptr, 16));
    v.type = REG_DWORD;
    v.data.assign(reinterpret_cast<const char*>(&number), 4);
  } else if (!data.empty() && data.front() == '"') {
    v.type = REG_SZ;
    v.data = Unescape(data.substr(1, data.size() >= 2 ? data.size() - 2 : 0));
    v.data += '\0';
  } else if (data.rfind("hex:", 0) == 0) {
    v.type = REG_BINARY;
    v.data = ParseHexBytes(data.substr(4));
  } else if (data.rfind("hex(", 0) == 0) {
    const size_t colon = data.find("):");
    if (colon == std::string_view::npos) return false;
    v.type = static_cast<DWORD>(std::strtoul(std::string(data.substr(4, colon - 4)).c_str(), nullptr, 16));
    v.data = ParseHexBytes(data.substr(colon + 2));
  } else {
    return false;
  }
  return true;
}

// An open key: where it is, looked up again on every call (the tree may have been read anew).
struct OpenKey {
  std::uintptr_t root = 0;
  std::vector<std::string> path;
};

class Store {
 public:
  std::mutex mutex;

  // Brings the tree up to date with the file.
  void Refresh() {
    if (m_filePath.empty()) m_filePath = CP932ToUTF8((GetProgramDataFolder() + "/registry").str());
    const FileStamp now = FileStampOf(m_filePath);
    if (m_loaded && now == m_stamp) return;
    m_roots.clear();
    m_damaged = false;
    if (now.exists) {
      std::ifstream in(m_filePath, std::ios::binary);
      std::string line;
      Key* current = nullptr;
      bool first = true;
      while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const bool header = first && line == kFileHeader;
        first = false;
        if (line.empty() || header) continue;
        bool read = false;
        if (line[0] == '[' && line.back() == ']') {
          current = KeyLine(line.substr(1, line.size() - 2));
          read = current != nullptr;
        } else if ((line[0] == '"' || line[0] == '@') && current != nullptr) {
          Value v;
          read = ParseValueLine(line, v);
          if (read) SetValue(*current, std::move(v));
        }
        // What cannot be read would be lost by the next write: the file is kept aside first.
        if (!read) m_damaged = true;
      }
    }
    m_stamp = now;
    m_loaded = true;
  }

  bool Save() {
    std::string out(kFileHeader);
    out += '\n';
    for (const auto& [root, key] : m_roots) {
      const char* rootName = root == kLocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
      Write(*key, rootName, out);
    }
    const std::string folder = m_filePath.substr(0, m_filePath.rfind('/'));
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (m_damaged) {
      if (rename(m_filePath.c_str(), (m_filePath + ".damaged").c_str()) != 0 && errno != ENOENT) {
        m_loaded = false;
        return false;
      }
      m_damaged = false;
    }
    if (!WriteFileAtomically(UTF8ToCP932(m_filePath), out, false)) {
      m_loaded = false;  // read the file again: memory must not claim what the disk does not hold
      return false;
    }
    m_stamp = FileStampOf(m_filePath);
    return true;
  }

  void Discard() {
    m_roots.clear();
    m_loaded = false;
    m_damaged = false;
    m_filePath.clear();
    m_handles.clear();
  }

  // The root and path a handle stands for; false for an unknown handle.
  bool Locate(HKEY handle, OpenKey& where) const {
    const auto id = reinterpret_cast<std::uintptr_t>(handle);
    if (id == kCurrentUser || id == kLocalMachine) {
      where = OpenKey{id, {}};
      return true;
    }
    if (id == kClassesRoot) {
      where = OpenKey{kCurrentUser, {"Software", "Classes"}};
      return true;
    }
    auto it = m_handles.find(id);
    if (it == m_handles.end()) return false;
    where = it->second;
    return true;
  }

  static bool IsPredefined(HKEY handle) {
    const auto id = reinterpret_cast<std::uintptr_t>(handle);
    return id == kClassesRoot || id == kCurrentUser || id == kLocalMachine;
  }

  // The key at a place; with create, missing keys are made (created tells whether any was).
  Key* Resolve(const OpenKey& where, bool create, bool* created = nullptr) {
    auto& root = m_roots[where.root];
    if (!root) root = std::make_unique<Key>();
    Key* key = root.get();
    for (const std::string& part : where.path) {
      Key* next = key->Sub(part);
      if (next == nullptr) {
        if (!create) return nullptr;
        auto made = std::make_unique<Key>();
        made->name = part;
        next = made.get();
        key->subkeys.emplace(Folded(part), std::move(made));
        if (created) *created = true;
      }
      key = next;
    }
    return key;
  }

  // The key behind a handle, or the error to report.
  LONG KeyOf(HKEY handle, Key*& key, OpenKey* where = nullptr) {
    OpenKey place;
    if (!Locate(handle, place)) return ERROR_INVALID_HANDLE;
    key = Resolve(place, false);
    if (where) *where = place;
    if (key != nullptr) return ERROR_SUCCESS;
    return IsPredefined(handle) ? ERROR_FILE_NOT_FOUND : ERROR_KEY_DELETED;
  }

  HKEY NewHandle(OpenKey where) {
    m_nextHandle += 4;
    m_handles.emplace(m_nextHandle, std::move(where));
    return reinterpret_cast<HKEY>(m_nextHandle);
  }

  bool CloseHandle(HKEY handle) { return m_handles.erase(reinterpret_cast<std::uintptr_t>(handle)) == 1; }

  static void SetValue(Key& key, Value&& v) {
    if (Value* old = key.FindValue(v.name)) {
      old->type = v.type;
      old->data = std::move(v.data);
    } else {
      key.values.push_back(std::move(v));
    }
  }

  // Removes the key at a place (not a root); false when it is not there.
  bool Remove(const OpenKey& where) {
    if (where.path.empty()) return false;
    OpenKey parentPlace = where;
    parentPlace.path.pop_back();
    Key* parent = Resolve(parentPlace, false);
    return parent != nullptr && parent->subkeys.erase(Folded(where.path.back())) == 1;
  }

 private:
  Key* KeyLine(const std::string& text) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= text.size()) {
      size_t end = text.find('\\', start);
      if (end == std::string::npos) end = text.size();
      if (end > start) parts.push_back(Unescape(std::string_view(text).substr(start, end - start)));
      start = end + 1;
    }
    if (parts.empty()) return nullptr;
    OpenKey where;
    if (parts[0] == "HKEY_CURRENT_USER") where.root = kCurrentUser;
    else if (parts[0] == "HKEY_LOCAL_MACHINE") where.root = kLocalMachine;
    else return nullptr;
    where.path.assign(parts.begin() + 1, parts.end());
    return Resolve(where, true);
  }

  // Depth first without recursion, in one path buffer. A key that holds no value but has subkeys
  // needs no line of its own: reading its subkeys' lines makes it again.
  static void Write(const Key& root, const std::string& rootName, std::string& out) {
    struct Level {
      const Key* key;
      std::map<std::string, std::unique_ptr<Key>>::const_iterator next;
      size_t pathLength;
    };
    std::string path = rootName;
    std::vector<Level> stack;
    auto enter = [&](const Key& key) {
      if (!key.values.empty() || key.subkeys.empty()) {
        out += "\n[" + path + "]\n";
        for (const Value& v : key.values) out += ValueLine(v) + "\n";
      }
      stack.push_back({&key, key.subkeys.begin(), path.size()});
    };
    enter(root);
    while (!stack.empty()) {
      Level& level = stack.back();
      if (level.next == level.key->subkeys.end()) {
        stack.pop_back();
        continue;
      }
      const Key& sub = *level.next->second;
      ++level.next;
      path.erase(level.pathLength);
      path += '\\';
      path += Escape(sub.name);
      enter(sub);
    }
  }

  std::string m_filePath;
  FileStamp m_stamp;
  bool m_loaded = false;
  bool m_damaged = false;  // the file holds lines that were not understood
  std::map<std::uintptr_t, std::unique_ptr<Key>> m_roots;
  std::map<std::uintptr_t, OpenKey> m_handles;
  std::uintptr_t m_nextHandle = 0x1000;
};

Store& TheStore() {
  static Store store;
  return store;
}

// Runs one call on the up-to-date store, under its lock.
template <typename F>
LONG WithStore(F&& call) {
  Store& store = TheStore();
  std::lock_guard<std::mutex> lock(store.mutex);
  store.Refresh();
  return call(store);
}

LONG OpenOrCreate(HKEY key, const char* subKey, bool create, PHKEY result, DWORD* disposition) {
  if (result == nullptr) return ERROR_INVALID_PARAMETER;
  return WithStore([&](Store& store) -> LONG {
    OpenKey where;
    if (!store.Locate(key, where)) return ERROR_INVALID_HANDLE;
    Key* base = store.Resolve(where, false);
    if (base == nullptr && !Store::IsPredefined(key)) return ERROR_KEY_DELETED;
    for (std::string& part : SplitPath(subKey)) where.path.push_back(std::move(part));
    bool created = false;
    Key* target = store.Resolve(where, create, &created);
    if (target == nullptr) return ERROR_FILE_NOT_FOUND;
    if (created && !store.Save()) return ERROR_CANTWRITE;
    if (disposition) *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    *result = store.NewHandle(std::move(where));
    return ERROR_SUCCESS;
  });
}

// Copies a name into a caller's buffer of *size bytes; *size becomes its length.
LONG CopyName(const std::string& name, char* buffer, DWORD* size) {
  if (buffer == nullptr || size == nullptr) return ERROR_INVALID_PARAMETER;
  if (*size <= name.size()) return ERROR_MORE_DATA;
  std::memcpy(buffer, name.c_str(), name.size() + 1);
  *size = static_cast<DWORD>(name.size());
  return ERROR_SUCCESS;
}

// Copies value data as RegQueryValueEx does.
LONG CopyData(const Value& v, DWORD* type, BYTE* data, DWORD* size) {
  if (type) *type = v.type;
  if (data != nullptr && size == nullptr) return ERROR_INVALID_PARAMETER;
  if (size == nullptr) return ERROR_SUCCESS;
  const auto needed = static_cast<DWORD>(v.data.size());
  if (data != nullptr && *size < needed) {
    *size = needed;
    return ERROR_MORE_DATA;
  }
  if (data != nullptr) std::memcpy(data, v.data.data(), needed);
  *size = needed;
  return ERROR_SUCCESS;
}

}  // namespace

LONG RegCreateKeyEx(HKEY key, const char* subKey, DWORD, char*, DWORD, REGSAM, void*, PHKEY result,
                    DWORD* disposition) {
  return OpenOrCreate(key, subKey, true, result, disposition);
}

LONG RegCreateKey(HKEY key, const char* subKey, PHKEY result) {
  return OpenOrCreate(key, subKey, true, result, nullptr);
}

LONG RegOpenKeyEx(HKEY key, const char* subKey, DWORD, REGSAM, PHKEY result) {
  return OpenOrCreate(key, subKey, false, result, nullptr);
}

LONG RegOpenKey(HKEY key, const char* subKey, PHKEY result) {
  return OpenOrCreate(key, subKey, false, result, nullptr);
}

LONG RegCloseKey(HKEY key) {
  if (Store::IsPredefined(key)) return ERROR_SUCCESS;
  Store& store = TheStore();
  std::lock_guard<std::mutex> lock(store.mutex);
  return store.CloseHandle(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

LONG RegSetValueEx(HKEY key, const char* name, DWORD, DWORD type, const BYTE* data, DWORD size) {
  if (data == nullptr && size != 0) return ERROR_INVALID_PARAMETER;
  return WithStore([&](Store& store) -> LONG {
    OpenKey where;
    if (!store.Locate(key, where)) return ERROR_INVALID_HANDLE;
    Key* target = store.Resolve(where, Store::IsPredefined(key));
    if (target == nullptr) return ERROR_KEY_DELETED;
    Value v;
    v.name = name ? name : "";
    v.type = type;
    v.data.assign(reinterpret_cast<const char*>(data), size);
    Store::SetValue(*target, std::move(v));
    return store.Save() ? ERROR_SUCCESS : ERROR_CANTWRITE;
  });
}

LONG RegQueryValueEx(HKEY key, const char* name, DWORD*, DWORD* type, BYTE* data, DWORD* size) {
  return WithStore([&](Store& store) -> LONG {
    Key* target = nullptr;
    if (const LONG error = store.KeyOf(key, target)) return error;
    const Value* v = target->FindValue(name ? name : "");
    return v ? CopyData(*v, type, data, size) : ERROR_FILE_NOT_FOUND;
  });
}

LONG RegQueryValue(HKEY key, const char* subKey, char* data, LONG* size) {
  HKEY sub = nullptr;
  if (const LONG error = RegOpenKey(key, subKey, &sub)) return error;
  DWORD type = REG_NONE;
  DWORD bytes = size ? static_cast<DWORD>(*size) : 0;
  LONG result = RegQueryValueEx(sub, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(data), size ? &bytes : nullptr);
  RegCloseKey(sub);
  if (result == ERROR_FILE_NOT_FOUND) {
    // A key without a default value reads as an empty string.
    bytes = 1;
    result = (data != nullptr && size != nullptr && *size < 1) ? ERROR_MORE_DATA : ERROR_SUCCESS;
    if (result == ERROR_SUCCESS && data != nullptr) data[0] = '\0';
  } else if (result == ERROR_SUCCESS && type != REG_SZ && type != REG_EXPAND_SZ) {
    return ERROR_INVALID_DATA;
  }
  if (size) *size = static_cast<LONG>(bytes);
  return result;
}

LONG RegEnumKeyEx(HKEY key, DWORD index, char* name, DWORD* nameSize, DWORD*, char* keyClass, DWORD* classSize,
                  void*) {
  return WithStore([&](Store& store) -> LONG {
    Key* target = nullptr;
    if (const LONG error = store.KeyOf(key, target)) return error;
    if (index >= target->subkeys.size()) return ERROR_NO_MORE_ITEMS;
    auto it = std::next(target->subkeys.begin(), static_cast<long>(index));
    const LONG result = CopyName(it->second->name, name, nameSize);
    if (result == ERROR_SUCCESS && keyClass != nullptr && classSize != nullptr && *classSize > 0) {
      keyClass[0] = '\0';
      *classSize = 0;
    }
    return result;
  });
}

LONG RegEnumValue(HKEY key, DWORD index, char* name, DWORD* nameSize, DWORD*, DWORD* type, BYTE* data,
                  DWORD* dataSize) {
  return WithStore([&](Store& store) -> LONG {
    Key* target = nullptr;
    if (const LONG error = store.KeyOf(key, target)) return error;
    if (index >= target->values.size()) return ERROR_NO_MORE_ITEMS;
    const Value& v = target->values[index];
    if (const LONG error = CopyName(v.name, name, nameSize)) return error;
    return CopyData(v, type, data, dataSize);
  });
}

namespace {

LONG DeleteKey(HKEY key, const char* subKey, bool withSubkeys, bool keepKey) {
  return WithStore([&](Store& store) -> LONG {
    OpenKey where;
    Key* base = nullptr;
    if (const LONG error = store.KeyOf(key, base, &where)) return error;
    for (std::string& part : SplitPath(subKey)) where.path.push_back(std::move(part));
    Key* target = store.Resolve(where, false);
    if (target == nullptr) return ERROR_FILE_NOT_FOUND;
    if (keepKey) {
      if (target->subkeys.empty()) return ERROR_SUCCESS;
      target->subkeys.clear();
    } else {
      if (!withSubkeys && !target->subkeys.empty()) return ERROR_ACCESS_DENIED;
      if (!store.Remove(where)) return ERROR_ACCESS_DENIED;  // a root cannot go
    }
    return store.Save() ? ERROR_SUCCESS : ERROR_CANTWRITE;
  });
}

}  // namespace

LONG RegDeleteKey(HKEY key, const char* subKey) { return DeleteKey(key, subKey, false, false); }

LONG RegDeleteTree(HKEY key, const char* subKey) { return DeleteKey(key, subKey, true, subKey == nullptr); }

LONG RegDeleteValue(HKEY key, const char* name) {
  return WithStore([&](Store& store) -> LONG {
    Key* target = nullptr;
    if (const LONG error = store.KeyOf(key, target)) return error;
    const std::string folded = Folded(name ? name : "");
    auto it = std::find_if(target->values.begin(), target->values.end(),
                           [&](const Value& v) { return Folded(v.name) == folded; });
    if (it == target->values.end()) return ERROR_FILE_NOT_FOUND;
    target->values.erase(it);
    return store.Save() ? ERROR_SUCCESS : ERROR_CANTWRITE;
  });
}

void RegistryDiscardCache() {
  Store& store = TheStore();
  std::lock_guard<std::mutex> lock(store.mutex);
  store.Discard();
}
