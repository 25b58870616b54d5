#pragma once
// A settings page whose fields stand each for one key of the settings file. A page lists its
// fields once (control, label, key, default and the member behind it); from that list the page
// builds its controls in order, exchanges them with the members and reads or writes the keys.
#include <initializer_list>
#include <vector>

#include "platform/framework/CPropertyPage.h"

class CPelkoSettings;

class CSettingsPage : public CPropertyPage {
 public:
  using CPropertyPage::CPropertyPage;

  // Presets every field that stands for a key from the settings file (its default when absent),
  // and writes those fields back.
  virtual void LoadKeys(CPelkoSettings& settings);
  virtual void SaveKeys(CPelkoSettings& settings) const;

 protected:
  enum class Kind { Check, Combo, Number, Text, FolderText };
  struct Field {
    Kind kind;
    int id;
    const char* label;
    const char* section;  // null: the caller sets the member; no key of its own
    const char* key;
    int intDefault;
    const char* textDefault;
    int* pInt;
    UINT* pUint;
    CString* pText;
    std::vector<const char*> entries;  // combo entries
    bool sameRow;                      // shares the row of the field before it
    bool newColumn;                    // starts the page's next column
    UINT min;
    UINT max;
    const char* unit;                  // text after a number
    int buttonId;                      // a folder field's browse button
  };

  Field& Check(int id, const char* label, const char* section, const char* key, int def, int& member);
  Field& Combo(int id, const char* label, std::initializer_list<const char*> entries, const char* section,
               const char* key, int def, int& member);
  Field& Number(int id, const char* label, const char* section, const char* key, int def, UINT& member);
  Field& Text(int id, const char* label, const char* section, const char* key, const char* def, CString& member);
  // A text field of a folder, with a "..." button that browses for one.
  Field& Folder(int id, const char* label, int buttonId, const char* browseTitle, const char* section,
                const char* key, const char* def, CString& member);

  void CreateControls(wxWindow* page, wxSizer* top) override;
  bool DoDataExchange(bool save) override;
  // Controls after the listed fields (buttons and the like).
  virtual void CreateMoreControls(wxWindow*, wxSizer*) {}
  // The enabling rules; run after the first exchange and after every click of a check box.
  virtual void UpdateEnabling() {}
  void OnInitDialog() override { UpdateEnabling(); }

 private:
  void BrowseFolder(const Field& field, const char* title);

  std::vector<Field> m_fields;
  std::vector<const char*> m_browseTitles;  // parallel to m_fields
};
