#pragma once
// The control's key table: accelerator entries that bind a key with modifiers to a command id,
// the lookup built from them, and the texts that name keys ("Ctrl+Shift+F3").
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "control/CRefString.h"
#include "platform/base/WinTypes.h"

// Flags of an entry, as Windows accelerator tables store them.
enum : BYTE {
  ACCELF_VIRTKEY = 0x01,
  ACCELF_NOINVERT = 0x02,
  ACCELF_SHIFT = 0x04,
  ACCELF_CONTROL = 0x08,
  ACCELF_ALT = 0x10,
};

// One entry, laid out as the Windows ACCEL record (6 bytes) so stored tables read back as they are.
struct CAccelEntry {
  BYTE fVirt = 0;
  WORD key = 0;
  WORD cmd = 0;
};
static_assert(sizeof(CAccelEntry) == 6);

// The lookup the control translates keystrokes through; rebuilt whenever the table changes.
class CAccelTable {
 public:
  explicit CAccelTable(const std::vector<CAccelEntry>& entries);
  // The command bound to a key with the given modifier flags, 0 when none. The first entry wins.
  WORD Translate(BYTE flags, WORD key) const;

 private:
  std::unordered_map<std::uint32_t, WORD> m_map;
};

// The 78 bindings the control starts with.
const std::vector<CAccelEntry>& GetDefaultAccelEntries();

// The name of a virtual key ("F3", "Page Up", "A"); empty for a key without a name.
CRefString GetKeyName(UINT virtualKey);
// The text of one entry: "Alt+", "Ctrl+", "Shift+" as set, then the key's name.
CRefString GetKeyText(const CAccelEntry& entry);
