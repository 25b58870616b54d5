#pragma once
// The user's key bindings: each maps a Windows virtual-key code with Alt, Ctrl and Shift to a
// command id. The table is stored in the key file "kestavon.key" in the archive layout that key
// files written by earlier versions have, so those files load unchanged.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CPelkoSettings;
class wxMenu;
class wxMenuBar;

class CKeycust {
 public:
  CKeycust() = default;
  CKeycust(UINT key, int alt, int shift, int ctrl, UINT command)
      : m_nKey(key), m_nAlt(alt), m_nCtrl(ctrl), m_nShift(shift), m_nCommand(command) {}
  // Copies the stored fields; the control mark belongs to the table the binding sits in.
  CKeycust(const CKeycust& other)
      : CKeycust(other.m_nKey, other.m_nAlt, other.m_nShift, other.m_nCtrl, other.m_nCommand) {}
  CKeycust& operator=(const CKeycust& other) {
    m_nKey = other.m_nKey;
    m_nAlt = other.m_nAlt;
    m_nCtrl = other.m_nCtrl;
    m_nShift = other.m_nShift;
    m_nCommand = other.m_nCommand;
    return *this;
  }

  bool IsCombination(UINT key, int alt, int shift, int ctrl) const {
    return m_nKey == key && m_nAlt == alt && m_nShift == shift && m_nCtrl == ctrl;
  }

  UINT m_nKey = 0;
  int m_nAlt = 0;
  int m_nCtrl = 0;
  int m_nShift = 0;
  UINT m_nCommand = 0;      // 0: unbound
  int m_nControlMark = 0;   // the editing control binds the same combination; never stored
};

// One accelerator of the editing control: a virtual key and its modifier flags.
struct KeyAccel {
  enum : WORD { FSHIFT = 0x04, FCONTROL = 0x08, FALT = 0x10 };
  WORD key;
  WORD flags;
};

class CKeycustArray {
 public:
  CKeycustArray() = default;
  CKeycustArray(const CKeycustArray&) = delete;
  CKeycustArray& operator=(const CKeycustArray&) = delete;

  int GetSize() const { return static_cast<int>(m_bindings.size()); }
  CKeycust* GetAt(int index) const { return m_bindings[static_cast<size_t>(index)].get(); }
  // Takes ownership of a binding appended as it is, bound combination or not.
  void AddBinding(std::unique_ptr<CKeycust> binding) { m_bindings.push_back(std::move(binding)); }
  void RemoveAt(int index);
  void RemoveAll() { m_bindings.clear(); }

  // -1 when no binding at or after start has the combination.
  int Find(UINT key, int alt, int shift, int ctrl, int start = 0) const;
  // The bound command, 0 when the combination is unbound; the combination and the index found
  // are remembered.
  UINT LookupCommand(UINT key, int alt, int shift, int ctrl);
  int GetLastLookupIndex() const { return m_nLastIndex; }
  int FindCommand(UINT command, int start = 0) const;
  // Appends a binding unless the combination is bound already (the existing binding stays).
  void Add(UINT key, int alt, int shift, int ctrl, UINT command);
  int IndexOf(const CKeycust* binding) const;

  // The keys that can be chosen, in the order the dialogs list them.
  static int GetKeyNameCount();
  static UINT GetKeyCodeAt(int index);
  static CString GetKeyNameAt(int index);
  // "" for a key outside the key-name table.
  static CString GetKeyName(UINT key);
  // "Alt+", "Shift+", "Ctrl+" as set, then the key name: Shift+Ctrl+F5.
  CString GetKeyText(int index) const;

  // The path becomes the key file path when given (null keeps the current one). A file that
  // cannot be opened or is not a key file gives FALSE and leaves the table as it was; on success
  // the path is written to System/Keycust.
  BOOL Load(const char* path, CPelkoSettings& settings);
  // The path becomes the key file path when given. When it cannot be written or lies in the
  // program's folder, the per-user "kestavon.key" is written instead and becomes the key file path
  // and System/Keycust.
  BOOL Save(const char* path, CPelkoSettings& settings);
  const CString& GetKeyFilePath() const { return m_strKeyFilePath; }
  // Where the next Save without a path writes.
  void SetKeyFilePath(const CString& path) { m_strKeyFilePath = path; }

  // The archive bytes of the table, and the table read back from them (false, nothing changed,
  // when the bytes are not a key file).
  std::string Serialize() const;
  bool Deserialize(std::string_view bytes);

  // Whether Shift and Ctrl are down (1) or not (0) in the keyboard state.
  static void GetShiftCtrlState(int& shift, int& ctrl);

  // Shows the key text at the right of the first item with the command: the given menu's own
  // items are searched first, then its submenus depth first in item order. A null key text takes
  // the shown keys away. 0 when no item has the command, else 1. The keys are for display only.
  static int SetMenuKeyText(wxMenu* menu, const char* keyText, UINT command);
  static int SetMenuKeyText(wxMenuBar* menuBar, const char* keyText, UINT command);
  // Every binding's keys into the menu texts, in table order: a command bound twice shows the
  // last binding.
  void UpdateMenuTexts(wxMenu* menu) const;
  void UpdateMenuTexts(wxMenuBar* menuBar) const;

  void ClearControlMarks();
  // Marks every binding whose combination the editing control binds too.
  void MarkControlKeys(const std::vector<KeyAccel>& accelList);

 private:
  std::vector<std::unique_ptr<CKeycust>> m_bindings;
  int m_nLastIndex = -1;
  UINT m_nLastKey = 0;
  int m_nLastAlt = 0;
  int m_nLastShift = 0;
  int m_nLastCtrl = 0;
  CString m_strKeyFilePath;
};
