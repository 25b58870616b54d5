#pragma once
// The application's key bindings: the user's key table read from the key file at start-up with
// the built-in bindings added, the commands the user may bind (name and id, as the menus give
// them), and the bindings of the tree/text switch, which the text area looks at first.
#include <vector>

#include "app/CKeycustArray.h"
#include "platform/base/CString.h"

class CPelkoSettings;

class CAppKeyTable {
 public:
  static constexpr UINT kIdSwitchTreeText = 0x804D;

  struct KeyCommand {
    UINT id;
    CString name;
  };

  CAppKeyTable() = default;
  CAppKeyTable(const CAppKeyTable&) = delete;
  CAppKeyTable& operator=(const CAppKeyTable&) = delete;
  // Keeps the key file path in System/Keycust for the next start.
  ~CAppKeyTable();

  // Reads the key file named by System/Keycust (the user's "kestavon.key" when unset; while the
  // user has none, the one shipped beside the program, saved as the user's), adds the built-in bindings, registers the commands in their order and collects the
  // switch keys. A missing or damaged key file leaves the built-in bindings only.
  void InitKeyCommands(CPelkoSettings& settings, const std::vector<KeyCommand>& commands);
  void AddKeyCommand(const char* name, UINT command);
  // Ctrl+F4 close, Left and Right fold or move, Insert inserts a tree; each only where the
  // combination is not bound to something else.
  void AddDefaultKeys();
  // Refills the switch keys from the table; call after every change of the table.
  void CollectSwitchKeys();
  bool IsSwitchKey(UINT key, int alt, int shift, int ctrl) const;

  // The first name registered for the command, "" when it is not customisable.
  CString GetCommandName(UINT command) const;
  bool IsCustomisable(UINT command) const;
  const std::vector<CString>& GetCommandNames() const { return m_commandNames; }
  const std::vector<UINT>& GetCommandIds() const { return m_commandIds; }

  CKeycustArray& GetKeyTable() { return m_keyTable; }

 private:
  CKeycustArray m_keyTable;
  std::vector<CKeycust> m_switchKeys;  // combinations only; the bindings stay in the key table
  std::vector<CString> m_commandNames;
  std::vector<UINT> m_commandIds;  // parallel to the names; an id may stand under two names
  CPelkoSettings* m_pSettings = nullptr;
};
