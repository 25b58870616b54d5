#include "app/CSettingsPage.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dirdlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "foundation/CPelkoInifile.h"
#include "platform/base/CodePage.h"

CSettingsPage::Field& CSettingsPage::Check(int id, const char* label, const char* section, const char* key, int def,
                                           int& member) {
  m_fields.push_back({Kind::Check, id, label, section, key, def, nullptr, &member, nullptr, nullptr, {}, false, false,
                      0, 0, nullptr, 0});
  m_browseTitles.push_back(nullptr);
  return m_fields.back();
}

CSettingsPage::Field& CSettingsPage::Combo(int id, const char* label, std::initializer_list<const char*> entries,
                                           const char* section, const char* key, int def, int& member) {
  Field& field = Check(id, label, section, key, def, member);
  field.kind = Kind::Combo;
  field.entries = entries;
  return field;
}

CSettingsPage::Field& CSettingsPage::Number(int id, const char* label, const char* section, const char* key, int def,
                                            UINT& member) {
  m_fields.push_back({Kind::Number, id, label, section, key, def, nullptr, nullptr, &member, nullptr, {}, false, false,
                      0, 0xFFFFFFFFu, nullptr, 0});
  m_browseTitles.push_back(nullptr);
  return m_fields.back();
}

CSettingsPage::Field& CSettingsPage::Text(int id, const char* label, const char* section, const char* key,
                                          const char* def, CString& member) {
  m_fields.push_back({Kind::Text, id, label, section, key, 0, def, nullptr, nullptr, &member, {}, false, false, 0, 0,
                      nullptr, 0});
  m_browseTitles.push_back(nullptr);
  return m_fields.back();
}

CSettingsPage::Field& CSettingsPage::Folder(int id, const char* label, int buttonId, const char* browseTitle,
                                            const char* section, const char* key, const char* def,
                                            CString& member) {
  Field& field = Text(id, label, section, key, def, member);
  field.kind = Kind::FolderText;
  field.buttonId = buttonId;
  m_browseTitles.back() = browseTitle;
  return field;
}

void CSettingsPage::LoadKeys(CPelkoSettings& settings) {
  for (const Field& field : m_fields) {
    if (field.section == nullptr) continue;
    if (field.pInt != nullptr) *field.pInt = settings.GetProfileInt(field.section, field.key, field.intDefault);
    if (field.pUint != nullptr)
      *field.pUint = static_cast<UINT>(settings.GetProfileInt(field.section, field.key, field.intDefault));
    if (field.pText != nullptr) *field.pText = settings.GetProfileString(field.section, field.key, field.textDefault);
  }
}

void CSettingsPage::SaveKeys(CPelkoSettings& settings) const {
  for (const Field& field : m_fields) {
    if (field.section == nullptr) continue;
    if (field.pInt != nullptr) settings.WriteProfileInt(field.section, field.key, *field.pInt);
    if (field.pUint != nullptr) settings.WriteProfileInt(field.section, field.key, static_cast<int>(*field.pUint));
    if (field.pText != nullptr) settings.WriteProfileString(field.section, field.key, *field.pText);
  }
}

void CSettingsPage::CreateControls(wxWindow* page, wxSizer* top) {
  auto* columns = new wxBoxSizer(wxHORIZONTAL);
  top->Add(columns, 1, wxEXPAND);
  wxSizer* column = nullptr;
  wxFlexGridSizer* grid = nullptr;  // consecutive labelled controls line up in one grid
  wxWindow* last = nullptr;
  const auto labelled = [&](const char* label, wxWindow* control) {
    if (grid == nullptr) {
      grid = new wxFlexGridSizer(2, 4, 6);
      column->Add(grid, 0, wxTOP | wxBOTTOM, 4);
    }
    grid->Add(new wxStaticText(page, wxID_ANY, CP932ToWx(label)), 0, wxALIGN_CENTER_VERTICAL);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(control, 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(row);
    return control;
  };
  for (size_t i = 0; i < m_fields.size(); ++i) {
    const Field& field = m_fields[i];
    if (column == nullptr || field.newColumn) {
      columns->Add(column = new wxBoxSizer(wxVERTICAL), 0, columns->IsEmpty() ? 0 : wxLEFT, 24);
      grid = nullptr;
    }
    switch (field.kind) {
      case Kind::Check:
        grid = nullptr;
        last = new wxCheckBox(page, field.id, CP932ToWx(field.label));
        column->Add(last, 0, wxTOP | wxBOTTOM, 3);
        last->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent& event) {
          event.Skip();
          UpdateEnabling();
        });
        break;
      case Kind::Combo: {
        wxArrayString entries;
        for (const char* entry : field.entries) entries.Add(CP932ToWx(entry));
        auto* combo = new wxChoice(page, field.id, wxDefaultPosition, wxDefaultSize, entries);
        // A combo without a label of its own completes the row of the field before it.
        if (field.sameRow && last != nullptr)
          last->GetContainingSizer()->Add(combo, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 6);
        else
          labelled(field.label, combo);
        last = combo;
        break;
      }
      case Kind::Number:
        last = labelled(field.label, new wxTextCtrl(page, field.id, wxEmptyString, wxDefaultPosition, wxSize(60, -1)));
        if (field.unit != nullptr)
          last->GetContainingSizer()->Add(new wxStaticText(page, wxID_ANY, CP932ToWx(field.unit)), 0,
                                          wxALIGN_CENTER_VERTICAL | wxLEFT, 4);
        break;
      case Kind::Text:
      case Kind::FolderText: {
        grid = nullptr;
        column->Add(new wxStaticText(page, wxID_ANY, CP932ToWx(field.label)), 0, wxTOP, 4);
        auto* row = new wxBoxSizer(wxHORIZONTAL);
        last = new wxTextCtrl(page, field.id, wxEmptyString, wxDefaultPosition, wxSize(260, -1));
        row->Add(last, 1, wxALIGN_CENTER_VERTICAL);
        if (field.kind == Kind::FolderText) {
          auto* button = new wxButton(page, field.buttonId, "...", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
          row->Add(button, 0, wxLEFT | wxALIGN_CENTER_VERTICAL, 4);
          button->Bind(wxEVT_BUTTON, [this, i](wxCommandEvent&) { BrowseFolder(m_fields[i], m_browseTitles[i]); });
        }
        column->Add(row, 0, wxTOP | wxBOTTOM | wxEXPAND, 3);
        break;
      }
    }
  }
  CreateMoreControls(page, top);
}

bool CSettingsPage::DoDataExchange(bool save) {
  for (const Field& field : m_fields) {
    switch (field.kind) {
      case Kind::Check:
        DDX_Check(save, field.id, *field.pInt);
        break;
      case Kind::Combo:
        DDX_CBIndex(save, field.id, *field.pInt);
        break;
      case Kind::Number:
        if (!DDX_Text(save, field.id, *field.pUint, field.min, field.max)) return false;
        break;
      case Kind::Text:
      case Kind::FolderText:
        DDX_Text(save, field.id, *field.pText);
        break;
    }
  }
  return true;
}

void CSettingsPage::BrowseFolder(const Field& field, const char* title) {
  // The other controls keep what the user has typed while the browser is open.
  if (!DoDataExchange(true)) return;
  wxDirDialog dialog(GetWindow(), CP932ToWx(title), CP932ToWx(field.pText->str()), wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST);
  if (dialog.ShowModal() != wxID_OK) return;
  *field.pText = WxToCP932(dialog.GetPath());
  DoDataExchange(false);
  UpdateEnabling();
}
