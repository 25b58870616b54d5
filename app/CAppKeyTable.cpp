#include "app/CAppKeyTable.h"
#include "app/UserFiles.h"

#include <algorithm>

#include "foundation/CPelkoInifile.h"
#include "platform/framework/FrameworkIds.h"
#include "platform/desktop/VirtualKeys.h"

namespace {

// Commands of the built-in bindings.
constexpr UINT kIdFoldOrUp = 0x81B4;
constexpr UINT kIdUnfoldOrDown = 0x81B3;
constexpr UINT kIdTreeInsert = 0x8216;

}  // namespace

CAppKeyTable::~CAppKeyTable() {
  if (m_pSettings != nullptr) m_pSettings->WriteProfileString("System", "Keycust", m_keyTable.GetKeyFilePath());
}

void CAppKeyTable::InitKeyCommands(CPelkoSettings& settings, const std::vector<KeyCommand>& commands) {
  m_pSettings = &settings;
  const CString userPath = GetUserFilePath("kestavon.key");
  const CString shippedPath = GetShippedFilePath("kestavon.key");
  CString path = settings.GetProfileString("System", "Keycust", userPath);
  // The shipped file is a default only: the user's changes go to the user's own copy.
  if (path.IsEmpty() || path == shippedPath) path = userPath;
  if (!m_keyTable.Load(path, settings) && path == userPath) {
    if (m_keyTable.Load(shippedPath, settings)) settings.WriteProfileString("System", "Keycust", userPath);
    m_keyTable.SetKeyFilePath(userPath);
  }
  AddDefaultKeys();
  for (const KeyCommand& command : commands) AddKeyCommand(command.name, command.id);
  CollectSwitchKeys();
}

void CAppKeyTable::AddKeyCommand(const char* name, UINT command) {
  m_commandNames.emplace_back(name);
  m_commandIds.push_back(command);
}

void CAppKeyTable::AddDefaultKeys() {
  m_keyTable.Add(VK_F4, 0, 0, 1, ID_FILE_CLOSE);
  m_keyTable.Add(VK_LEFT, 0, 0, 0, kIdFoldOrUp);
  m_keyTable.Add(VK_RIGHT, 0, 0, 0, kIdUnfoldOrDown);
  m_keyTable.Add(VK_INSERT, 0, 0, 0, kIdTreeInsert);
}

void CAppKeyTable::CollectSwitchKeys() {
  m_switchKeys.clear();
  for (int i = 0; i < m_keyTable.GetSize(); ++i) {
    if (m_keyTable.GetAt(i)->m_nCommand == kIdSwitchTreeText) m_switchKeys.push_back(*m_keyTable.GetAt(i));
  }
}

bool CAppKeyTable::IsSwitchKey(UINT key, int alt, int shift, int ctrl) const {
  return std::any_of(m_switchKeys.begin(), m_switchKeys.end(),
                     [&](const CKeycust& binding) { return binding.IsCombination(key, alt, shift, ctrl); });
}

CString CAppKeyTable::GetCommandName(UINT command) const {
  const auto found = std::find(m_commandIds.begin(), m_commandIds.end(), command);
  return found == m_commandIds.end() ? CString() : m_commandNames[static_cast<size_t>(found - m_commandIds.begin())];
}

bool CAppKeyTable::IsCustomisable(UINT command) const {
  return std::find(m_commandIds.begin(), m_commandIds.end(), command) != m_commandIds.end();
}
