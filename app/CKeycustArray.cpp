#include "app/CKeycustArray.h"
#include "app/UserFiles.h"

#include <wx/menu.h>

#include "foundation/CPelkoInifile.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "platform/base/AtomicFile.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MenuKeyText.h"
#include "platform/desktop/VirtualKeys.h"
#include "platform/base/RegularFile.h"

namespace {

// Archive tags: a new class follows, or a reference to the first class stored.
constexpr WORD kNewClassTag = 0xFFFF;
constexpr WORD kFirstClassTag = 0x8001;
constexpr WORD kSchema = 1;
constexpr std::string_view kClassName = "CKeycust";

struct KeyName {
  UINT code;
  CString name;
};

std::vector<KeyName> BuildKeyNames() {
  std::vector<KeyName> names;
  CString text;
  for (int i = 1; i <= 12; ++i) {
    text.Format("F%d", i);
    names.push_back({static_cast<UINT>(111 + i), text});
  }
  names.push_back({192, "@"});
  for (char c = 'A'; c <= 'Z'; ++c) names.push_back({static_cast<UINT>(c), CString(c)});
  const KeyName named[] = {{45, "Insert"}, {46, "Delete"}, {8, "BackSpace"}, {13, "Enter"}, {32, "Space"},
                           {33, "PageUp"}, {34, "PageDown"}, {35, "End"},     {36, "Home"},  {106, "*"},
                           {107, "+"},     {109, "-"},       {111, "/"},      {38, "Up"},    {40, "Down"},
                           {37, "Left"},   {39, "Right"},    {27, "Escape"},  {9, "Tab"}};
  names.insert(names.end(), std::begin(named), std::end(named));
  for (char c = '0'; c <= '9'; ++c) names.push_back({static_cast<UINT>(c), CString(c)});
  for (char c = '0'; c <= '9'; ++c) {
    text.Format("NUM%c", c);
    names.push_back({static_cast<UINT>(96 + (c - '0')), text});
  }
  return names;
}

const std::vector<KeyName>& KeyNames() {
  static const std::vector<KeyName> names = BuildKeyNames();
  return names;
}

void PutWord(std::string& out, UINT value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

class ArchiveReader {
 public:
  explicit ArchiveReader(std::string_view bytes) : m_bytes(bytes) {}
  bool Word(WORD& value) {
    if (m_bytes.size() - m_pos < 2) return false;
    value = static_cast<WORD>(static_cast<unsigned char>(m_bytes[m_pos]) |
                              static_cast<unsigned char>(m_bytes[m_pos + 1]) << 8);
    m_pos += 2;
    return true;
  }
  bool Dword(DWORD& value) {
    WORD low = 0;
    WORD high = 0;
    if (!Word(low) || !Word(high)) return false;
    value = static_cast<DWORD>(low) | static_cast<DWORD>(high) << 16;
    return true;
  }
  bool Text(size_t length, std::string_view& value) {
    if (m_bytes.size() - m_pos < length) return false;
    value = m_bytes.substr(m_pos, length);
    m_pos += length;
    return true;
  }
  size_t Remaining() const { return m_bytes.size() - m_pos; }

 private:
  std::string_view m_bytes;
  size_t m_pos = 0;
};

// The first item with the command: the menu's own items first, then its submenus depth first.
wxMenuItem* FindCommandItem(wxMenu* menu, UINT command) {
  for (wxMenuItem* item : menu->GetMenuItems()) {
    if (!item->IsSubMenu() && !item->IsSeparator() && item->GetId() == static_cast<int>(command)) return item;
  }
  for (wxMenuItem* item : menu->GetMenuItems()) {
    if (!item->IsSubMenu()) continue;
    if (wxMenuItem* found = FindCommandItem(item->GetSubMenu(), command)) return found;
  }
  return nullptr;
}

void SetItemKeyText(wxMenuItem* item, const char* keyText) {
  // A menu text is read into 255 bytes at most; the cut never splits a double-byte character.
  CString text = GetMenuItemText(item);
  if (text.GetLength() > 255) {
    int end = 0;
    while (true) {
      const int step = IsDBCSLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
      if (end + step > 255) break;
      end += step;
    }
    text = text.Left(end);
  }
  const int tab = text.Find('\t');
  if (keyText) {
    if (tab < 0) {
      text += "\t";
    } else if (text.GetLength() >= 2) {
      text = text.Left(tab + 1);
    }
    text += keyText;
  } else if (tab >= 0) {
    text = text.Left(tab);
  }
  SetMenuItemText(item, text);
}

}  // namespace

void CKeycustArray::RemoveAt(int index) { m_bindings.erase(m_bindings.begin() + index); }

int CKeycustArray::Find(UINT key, int alt, int shift, int ctrl, int start) const {
  for (int i = start < 0 ? 0 : start; i < GetSize(); ++i) {
    if (GetAt(i)->IsCombination(key, alt, shift, ctrl)) return i;
  }
  return -1;
}

UINT CKeycustArray::LookupCommand(UINT key, int alt, int shift, int ctrl) {
  m_nLastKey = key;
  m_nLastAlt = alt;
  m_nLastShift = shift;
  m_nLastCtrl = ctrl;
  m_nLastIndex = Find(key, alt, shift, ctrl, 0);
  return m_nLastIndex < 0 ? 0 : GetAt(m_nLastIndex)->m_nCommand;
}

int CKeycustArray::FindCommand(UINT command, int start) const {
  for (int i = start < 0 ? 0 : start; i < GetSize(); ++i) {
    if (GetAt(i)->m_nCommand == command) return i;
  }
  return -1;
}

void CKeycustArray::Add(UINT key, int alt, int shift, int ctrl, UINT command) {
  if (Find(key, alt, shift, ctrl, 0) >= 0) return;
  m_bindings.push_back(std::make_unique<CKeycust>(key, alt, shift, ctrl, command));
}

int CKeycustArray::IndexOf(const CKeycust* binding) const {
  for (int i = 0; i < GetSize(); ++i) {
    if (GetAt(i) == binding) return i;
  }
  return -1;
}

int CKeycustArray::GetKeyNameCount() { return static_cast<int>(KeyNames().size()); }

UINT CKeycustArray::GetKeyCodeAt(int index) { return KeyNames()[static_cast<size_t>(index)].code; }

CString CKeycustArray::GetKeyNameAt(int index) { return KeyNames()[static_cast<size_t>(index)].name; }

CString CKeycustArray::GetKeyName(UINT key) {
  for (const KeyName& entry : KeyNames()) {
    if (entry.code == key) return entry.name;
  }
  return CString();
}

CString CKeycustArray::GetKeyText(int index) const {
  const CKeycust* binding = GetAt(index);
  CString text;
  if (binding->m_nAlt) text += "Alt+";
  if (binding->m_nShift) text += "Shift+";
  if (binding->m_nCtrl) text += "Ctrl+";
  return text + GetKeyName(binding->m_nKey);
}

std::string CKeycustArray::Serialize() const {
  std::string out;
  const size_t count = m_bindings.size();
  if (count < 0xFFFF) {
    PutWord(out, static_cast<UINT>(count));
  } else {
    PutWord(out, 0xFFFF);
    PutWord(out, static_cast<UINT>(count & 0xFFFF));
    PutWord(out, static_cast<UINT>(count >> 16));
  }
  for (size_t i = 0; i < count; ++i) {
    if (i == 0) {
      PutWord(out, kNewClassTag);
      PutWord(out, kSchema);
      PutWord(out, static_cast<UINT>(kClassName.size()));
      out += kClassName;
    } else {
      PutWord(out, kFirstClassTag);
    }
    const CKeycust& binding = *m_bindings[i];
    for (UINT field : {binding.m_nKey, static_cast<UINT>(binding.m_nAlt), static_cast<UINT>(binding.m_nShift),
                       static_cast<UINT>(binding.m_nCtrl), binding.m_nCommand}) {
      PutWord(out, field);
    }
  }
  return out;
}

bool CKeycustArray::Deserialize(std::string_view bytes) {
  ArchiveReader in(bytes);
  WORD shortCount = 0;
  if (!in.Word(shortCount)) return false;
  DWORD count = shortCount;
  if (shortCount == 0xFFFF && !in.Dword(count)) return false;
  // Every binding takes at least 12 bytes: a damaged count must not reserve memory it names.
  if (count > in.Remaining() / 12) return false;
  std::vector<std::unique_ptr<CKeycust>> bindings;
  bindings.reserve(count);
  for (DWORD i = 0; i < count; ++i) {
    WORD tag = 0;
    if (!in.Word(tag)) return false;
    if (i == 0) {
      WORD schema = 0;
      WORD nameLength = 0;
      std::string_view name;
      if (tag != kNewClassTag || !in.Word(schema) || schema != kSchema || !in.Word(nameLength) ||
          !in.Text(nameLength, name) || name != kClassName) {
        return false;
      }
    } else if (tag != kFirstClassTag) {
      return false;
    }
    WORD fields[5] = {};
    for (WORD& field : fields) {
      if (!in.Word(field)) return false;
    }
    bindings.push_back(std::make_unique<CKeycust>(fields[0], fields[1], fields[2], fields[3], fields[4]));
  }
  m_bindings = std::move(bindings);
  m_nLastIndex = -1;
  return true;
}

BOOL CKeycustArray::Load(const char* path, CPelkoSettings& settings) {
  if (path != nullptr) m_strKeyFilePath = path;
  std::string bytes;
  if (!ReadRegularFile(m_strKeyFilePath, bytes)) return FALSE;
  if (!Deserialize(bytes)) return FALSE;
  WriteSetting(Settings::System::Keycust, m_strKeyFilePath, settings);
  return TRUE;
}

BOOL CKeycustArray::Save(const char* path, CPelkoSettings& settings) {
  if (path != nullptr) m_strKeyFilePath = path;
  const std::string bytes = Serialize();
  // The program's folder holds only the shipped key file and is never written.
  if (m_strKeyFilePath.IsEmpty() || IsInProgramFolder(m_strKeyFilePath) ||
      !WriteFileAtomically(m_strKeyFilePath, bytes)) {
    const CString userPath = GetUserFilePath("kestavon.key");
    m_strKeyFilePath = userPath;
    if (!WriteFileAtomically(userPath, bytes)) return FALSE;
    WriteSetting(Settings::System::Keycust, userPath, settings);
  }
  return TRUE;
}

void CKeycustArray::GetShiftCtrlState(int& shift, int& ctrl) {
  BYTE state[256] = {};
  GetKeyboardState(state);
  shift = (state[VK_SHIFT] & 0x80) ? 1 : 0;
  ctrl = (state[VK_CONTROL] & 0x80) ? 1 : 0;
}

int CKeycustArray::SetMenuKeyText(wxMenu* menu, const char* keyText, UINT command) {
  wxMenuItem* item = menu ? FindCommandItem(menu, command) : nullptr;
  if (!item) return 0;
  SetItemKeyText(item, keyText);
  return 1;
}

int CKeycustArray::SetMenuKeyText(wxMenuBar* menuBar, const char* keyText, UINT command) {
  if (!menuBar) return 0;
  for (size_t i = 0; i < menuBar->GetMenuCount(); ++i) {
    if (SetMenuKeyText(menuBar->GetMenu(i), keyText, command)) return 1;
  }
  return 0;
}

void CKeycustArray::UpdateMenuTexts(wxMenu* menu) const {
  for (int i = 0; i < GetSize(); ++i) SetMenuKeyText(menu, GetKeyText(i), GetAt(i)->m_nCommand);
}

void CKeycustArray::UpdateMenuTexts(wxMenuBar* menuBar) const {
  for (int i = 0; i < GetSize(); ++i) SetMenuKeyText(menuBar, GetKeyText(i), GetAt(i)->m_nCommand);
}

void CKeycustArray::ClearControlMarks() {
  for (auto& binding : m_bindings) binding->m_nControlMark = 0;
}

void CKeycustArray::MarkControlKeys(const std::vector<KeyAccel>& accelList) {
  for (const KeyAccel& accel : accelList) {
    const int index = Find(accel.key, (accel.flags & KeyAccel::FALT) ? 1 : 0, (accel.flags & KeyAccel::FSHIFT) ? 1 : 0,
                           (accel.flags & KeyAccel::FCONTROL) ? 1 : 0, 0);
    if (index >= 0) GetAt(index)->m_nControlMark = 1;
  }
}
