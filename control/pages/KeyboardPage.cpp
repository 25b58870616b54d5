// The key page: binds keys to the control's commands. The page edits a working copy of the key
// table and writes it back whole on Apply.
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <vector>

#include "control/EditMessages.h"
#include "control/KeyTable.h"
#include "control/component/WrilaCollections.h"
#include "control/pages/CWrilaPage.h"
#include "control/pages/PageControls.h"
#include "control/pages/WrilaPages.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/VirtualKeys.h"

namespace {

enum : int {
  IDC_CATEGORY = 374,
  IDC_COMMANDS = 375,
  IDC_KEYFIELD = 376,
  IDC_CURRENT_KEYS = 377,
  IDC_ASSIGN = 378,
  IDC_DELETE = 379,
  IDC_DESCRIPTION = 381,
  IDC_ASSIGNED = 382,
  IDC_ASSIGNED_LABEL = 383,
  IDC_HINT = 1016,
  IDC_CATEGORY_LABEL = 223,
  IDC_COMMANDS_LABEL = 224,
  IDC_KEYFIELD_LABEL = 225,
  IDC_CURRENT_LABEL = 226,
};

struct Command {
  int category;
  WORD id;
  const char* name;
};
constexpr Command kCommands[] = {
    {0, ID_EDIT_UNDO, "元に戻す"}, {0, ID_EDIT_REDO, "やり直し"}, {0, ID_EDIT_CUT, "切り取り"},
    {0, ID_EDIT_COPY, "コピー"}, {0, ID_WRILA_COPYDESELECT, "コピーして選択解除"}, {0, ID_EDIT_PASTE, "貼り付け"},
    {0, ID_WRILA_QUOTECOPY, "引用付きコピー "}, {0, ID_WRILA_QUOTECOPYDESELECT, "引用付きコピーして選択解除"},
    {0, ID_WRILA_DELETE, "削除"}, {0, ID_EDIT_SELECT_ALL, "すべて選択"}, {0, ID_WRILA_TIMEDATE, "時刻と日付"},
    {0, ID_WRILA_DATETIME, "日付と時刻"}, {0, ID_WRILA_JUMP, "ジャンプ"}, {0, ID_WRILA_COPYLINK, "リンクをコピー"},
    {0, ID_WRILA_OPENLINK, "リンクを開く"}, {0, ID_WRILA_OVERWRITE, "挿入/上書きモードの切り替え"},
    {0, ID_WRILA_INSERTWRAPBREAKS, "改行を挿入"}, {0, ID_WRILA_REMOVEWRAPBREAKS, "改行を削除"},
    {0, ID_WRILA_INSERTCR, "CRを挿入"}, {0, ID_WRILA_INSERTLF, "LFを挿入"}, {0, ID_WRILA_CONVERT, "文字変換"},
    {0, ID_WRILA_UPPERCASE, "大文字に変換"}, {0, ID_WRILA_LOWERCASE, "小文字に変換"},
    {0, ID_WRILA_TOHALFWIDTH, "半角に変換"}, {0, ID_WRILA_TOFULLWIDTH, "全角に変換"}, {0, ID_WRILA_SELECTMODE, "選択"},
    {0, ID_WRILA_LINESELECT, "行選択"}, {0, ID_WRILA_BOXSELECT, "箱型選択"}, {0, ID_WRILA_CHARRIGHT, "1文字右へ"},
    {0, ID_WRILA_CHARLEFT, "1文字左へ"}, {0, ID_WRILA_WORDRIGHT, "1単語右へ"}, {0, ID_WRILA_WORDLEFT, "1単語左へ"},
    {0, ID_WRILA_ROWUP, "1行上へ"}, {0, ID_WRILA_ROWDOWN, "1行下へ"}, {0, ID_WRILA_PAGEUP, "1ページ上へ"},
    {0, ID_WRILA_PAGEDOWN, "1ページ下へ"}, {0, ID_WRILA_ROWSTART, "行頭へ"}, {0, ID_WRILA_LOGICALSTART, "論理行の行頭へ"},
    {0, ID_WRILA_ROWEND, "行末へ"}, {0, ID_WRILA_LOGICALEND, "論理行の行末へ"}, {0, ID_WRILA_TEXTSTART, "文頭へ"},
    {0, ID_WRILA_TEXTEND, "文末へ"}, {0, ID_WRILA_SCROLLUP, "1行上へスクロール"},
    {0, ID_WRILA_SCROLLDOWN, "1行下へスクロール"}, {0, ID_WRILA_SELCHARRIGHT, "選択範囲を1文字右へ"},
    {0, ID_WRILA_SELCHARLEFT, "選択範囲を1文字左へ"}, {0, ID_WRILA_SELWORDRIGHT, "選択範囲を1単語右へ"},
    {0, ID_WRILA_SELWORDLEFT, "選択範囲を1単語左へ"}, {0, ID_WRILA_SELROWUP, "選択範囲を1行上"},
    {0, ID_WRILA_SELROWDOWN, "選択範囲を1行下へ"}, {0, ID_WRILA_SELPAGEUP, "選択範囲を1ページ上ヘ"},
    {0, ID_WRILA_SELPAGEDOWN, "選択範囲を1ページ下へ"}, {0, ID_WRILA_SELROWSTART, "選択範囲を行頭へ"},
    {0, ID_WRILA_SELLOGICALSTART, "選択範囲を論理行の行頭へ"}, {0, ID_WRILA_SELROWEND, "選択範囲を行末へ"},
    {0, ID_WRILA_SELLOGICALEND, "選択範囲を論理行の行末へ"}, {0, ID_WRILA_SELTEXTSTART, "選択範囲を文頭へ"},
    {0, ID_WRILA_SELTEXTEND, "選択範囲を文末へ"}, {0, ID_WRILA_DELETELEFT, "左を1文字削除"},
    {0, ID_WRILA_CANCELSELECTION, "選択のキャンセル"}, {0, ID_WRILA_TAB, "タブの右移動/インデント"},
    {0, ID_WRILA_UNINDENT, "逆インデント"}, {0, ID_WRILA_DELETELINE, "行削除"}, {0, ID_WRILA_DELETETOEND, "行右削除"},
    {0, ID_WRILA_CUTLINE, "行カット"}, {0, ID_WRILA_DELETEWORD, "単語の削除"}, {0, ID_WRILA_INSERTLINEABOVE, "上に行挿入"},
    {0, ID_WRILA_INSERTLINEBELOW, "下に行挿入"}, {0, ID_WRILA_IMETOGGLE, "漢字入力"}, {0, ID_WRILA_RECONVERT, "再変換"},
    {1, ID_EDIT_FIND, "検索"}, {1, ID_EDIT_REPLACE, "置換"}, {1, ID_EDIT_REPEAT, "次を検索"},
    {1, ID_WRILA_FINDPREVIOUS, "前を検索"}, {1, ID_WRILA_FINDWORDNEXT, "次の文字列を検索"},
    {1, ID_WRILA_FINDWORDPREVIOUS, "前の文字列を検索"}, {1, ID_WRILA_CLEARHILITE, "検索文字列の強調を解除"},
    {2, ID_WRILA_WRAPNONE, "折り返さない"}, {2, ID_WRILA_WRAPCOLUMNS, "指定文字数で折り返し"},
    {2, ID_WRILA_WRAPWINDOW, "ウィンドウの右端で折り返し"}, {2, ID_WRILA_CHARCODE, "文字コード"},
    {2, ID_WRILA_PROPERTIES, "プロパティ"}, {2, ID_WRILA_HOMEPAGE, "トルヴィク ホームぺージを表示"},
};
static_assert(std::size(kCommands) == 83);

// The labels whose mnemonics the key field must not lose its Alt combinations to.
constexpr int kMnemonicLabels[] = {IDC_ASSIGN, IDC_DELETE, IDC_PAGE_RESET, IDC_CATEGORY_LABEL,
                                   IDC_COMMANDS_LABEL, IDC_KEYFIELD_LABEL, IDC_CURRENT_LABEL};

wxString KeyText(const CAccelEntry& entry) {
  const CRefString text = GetKeyText(entry);
  return CP932ToWx(std::string_view(text.GetString(), static_cast<size_t>(text.GetLength())));
}

class KeyboardPage : public CWrilaPage {
 public:
  KeyboardPage() : CWrilaPage("キーボード") {}

  HRESULT SetObjects(ULONG count, IUnknown** objects) override {
    m_hasObjects = count > 0;
    return CWrilaPage::SetObjects(count, objects);
  }

 protected:
  wxSizer* CreateControls(wxWindow* page) override {
    auto* column = new wxBoxSizer(wxVERTICAL);
    const auto label = [page, column](int id, const char* text) {
      column->Add(new wxStaticText(page, id, CP932ToWx(text)), 0, wxLEFT | wxTOP, 3);
    };
    label(IDC_CATEGORY_LABEL, "分類(&C):");
    m_category = new wxChoice(page, IDC_CATEGORY);
    for (const char* name : {"編集", "検索", "表示"}) m_category->Append(CP932ToWx(name));
    column->Add(m_category, 0, wxEXPAND | wxALL, 3);
    label(IDC_COMMANDS_LABEL, "コマンド(&O):");
    m_commands = new wxListBox(page, IDC_COMMANDS, wxDefaultPosition, wxSize(280, 140));
    column->Add(m_commands, 1, wxEXPAND | wxALL, 3);
    label(IDC_CURRENT_LABEL, "現在のキー(&U):");
    m_keys = new wxListBox(page, IDC_CURRENT_KEYS, wxDefaultPosition, wxSize(280, 70));
    column->Add(m_keys, 0, wxEXPAND | wxALL, 3);
    label(IDC_KEYFIELD_LABEL, "追加するショートカット キー(&N):");
    m_field = new wxTextCtrl(page, IDC_KEYFIELD, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxWANTS_CHARS);
    column->Add(m_field, 0, wxEXPAND | wxALL, 3);
    auto* assigned = new wxBoxSizer(wxHORIZONTAL);
    assigned->Add(new wxStaticText(page, IDC_ASSIGNED_LABEL, CP932ToWx("現在の割り当て:")), 0, wxRIGHT, 6);
    assigned->Add(new wxStaticText(page, IDC_ASSIGNED, wxEmptyString), 1);
    column->Add(assigned, 0, wxEXPAND | wxALL, 3);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    AddButton(page, buttons, IDC_ASSIGN, "割り当て(&L)")->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Assign(); });
    AddButton(page, buttons, IDC_DELETE, "削除(&D)")->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Delete(); });
    AddButton(page, buttons, IDC_PAGE_RESET, "リセット(&R)")->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
      ShowCommand();
      if (HasObjects()) SetDirty();
    });
    column->Add(buttons);
    auto* description = new wxStaticBoxSizer(wxVERTICAL, page, CP932ToWx("説明"));
    description->Add(new wxStaticText(page, IDC_DESCRIPTION, wxEmptyString), 1, wxEXPAND);
    column->Add(description, 0, wxEXPAND | wxALL, 3);
    auto* hint = new wxStaticText(page, IDC_HINT, CP932ToWx("[F10] を押すと、他のコントロールに移動します。"));
    hint->Hide();
    column->Add(hint, 0, wxALL, 3);

    m_category->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { ListCommands(); });
    m_commands->Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) { ShowCommand(); });
    m_keys->Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) { EnableItem(Page(), IDC_DELETE, m_keys->GetSelection() >= 0); });
    m_field->Bind(wxEVT_KEY_DOWN, &KeyboardPage::OnFieldKey, this);
    m_field->Bind(wxEVT_CHAR, [](wxKeyEvent&) {});  // typed characters never reach the field
    m_field->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { ShowAssignment(); });
    m_field->Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& event) {
      event.Skip();
      ShowMnemonics(false);
    });
    m_field->Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
      event.Skip();
      ShowMnemonics(true);
    });
    return column;
  }

  void Fill(IDispatch* edit) override {
    m_table.clear();
    ForEachItem<IAccelList, IAccelItem>(edit, DISPID_EDIT_ACCELLIST, IID_IAccelList, IID_IAccelItem,
                                        [this](IAccelItem* accel) {
                                          short flags = 0, key = 0, command = 0;
                                          accel->get_Flags(&flags);
                                          accel->get_Key(&key);
                                          accel->get_Command(&command);
                                          m_table.push_back({static_cast<BYTE>(flags), static_cast<WORD>(key),
                                                             static_cast<WORD>(command)});
                                        });
  }

  // Lists are filled after the objects' values, whatever the page was given.
  void UpdateEnabling() override {
    if (m_category->GetSelection() < 0) {
      m_category->SetSelection(0);
      ListCommands();
    }
  }

  HRESULT ApplyTo(IDispatch* edit) override {
    IAccelList* list = NewAccelList();
    for (const CAccelEntry& entry : m_table) {
      IAccelItem* item = NewAccelItem();
      item->put_Flags(static_cast<short>(entry.fVirt));
      item->put_Key(static_cast<short>(entry.key));
      item->put_Command(static_cast<short>(entry.cmd));
      list->Add(item);  // the list refuses what it cannot hold (flags or key 0) and keeps the rest
      item->Release();
    }
    CComVariant value;
    value.vt = VT_UNKNOWN;
    value.punkVal = list;  // the variant holds the creator's reference
    return Puts(edit).Value(DISPID_EDIT_ACCELLIST, value).Result();
  }

 private:
  const Command* SelectedCommand() const {
    const int category = m_category->GetSelection();
    int position = m_commands->GetSelection();
    for (const Command& command : kCommands)
      if (command.category == category && position-- == 0) return &command;
    return nullptr;
  }

  void ListCommands() {
    m_commands->Clear();
    const int category = m_category->GetSelection();
    for (const Command& command : kCommands)
      if (command.category == category) m_commands->Append(CP932ToWx(command.name));
    if (!m_commands->IsEmpty()) m_commands->SetSelection(0);
    ShowCommand();
  }

  // The selected command's name and the keys bound to it, in table order.
  void ShowCommand() {
    m_keys->Clear();
    m_keyEntries.clear();
    const Command* command = SelectedCommand();
    if (wxWindow* description = Page()->FindWindow(IDC_DESCRIPTION))
      description->SetLabel(command ? CP932ToWx(command->name) : wxString());
    for (size_t i = 0; command && i < m_table.size(); ++i) {
      if (m_table[i].cmd != command->id) continue;
      m_keys->Append(KeyText(m_table[i]));
      m_keyEntries.push_back(i);
    }
    EnableItem(Page(), IDC_DELETE, false);
    ShowAssignment();
  }

  void ShowAssignment() {
    const bool typed = !m_field->GetValue().empty();
    // A label shown anew has no place yet: the page lays it out beside its text at once.
    wxWindow* label = Page()->FindWindow(IDC_ASSIGNED_LABEL);
    if (label && label->Show(typed)) Page()->Layout();
    wxString assigned;
    if (typed) {
      assigned = CP932ToWx("[未定義]");
      for (const CAccelEntry& entry : m_table) {
        if (entry.fVirt != m_captured.fVirt || entry.key != m_captured.key) continue;
        for (const Command& command : kCommands)
          if (command.id == entry.cmd) assigned = CP932ToWx(command.name);
        break;
      }
    }
    if (wxWindow* text = Page()->FindWindow(IDC_ASSIGNED)) text->SetLabel(assigned);
    EnableItem(Page(), IDC_ASSIGN, typed);
  }

  void OnFieldKey(wxKeyEvent& event) {
    const UINT key = VirtualKeyOf(event);
    const bool shift = event.ShiftDown(), ctrl = event.ControlDown(), alt = event.AltDown();
    m_captured = CAccelEntry{};
    const bool plain = !shift && !ctrl && !alt;
    if ((key == VK_RETURN && plain) || (key == VK_F4 && (alt || ctrl) && !shift) || (key == VK_F1 && plain) || key == 0) {
      event.Skip();
      return;
    }
    if (key == VK_F10 && !alt) {
      m_field->Navigate();
      return;
    }
    BYTE flags = ACCELF_NOINVERT | (shift ? ACCELF_SHIFT : 0);
    WORD captured = 0;
    if (key > VK_SCROLL) {
      if ((key >= 0xA0 && key <= 0xA5) || ctrl || alt) return;
      // Keys beyond the named ones count as the one character the layout gives them.
      const wxChar ch = event.GetUnicodeKey();
      if (ch == WXK_NONE || ch >= 0x80) return;
      captured = static_cast<WORD>(ch);
    } else {
      flags |= ACCELF_VIRTKEY | (ctrl ? ACCELF_CONTROL : 0) | (alt ? ACCELF_ALT : 0);
      captured = static_cast<WORD>(key);
    }
    m_captured = CAccelEntry{flags, captured, 0};
    m_field->ChangeValue(KeyText(m_captured));
    ShowAssignment();
  }

  void ShowMnemonics(bool show) {
    if (!show) m_labels.clear();
    for (int id : kMnemonicLabels) {
      wxWindow* item = Page()->FindWindow(id);
      if (!item) continue;
      if (show) {
        if (m_labels.count(id)) item->SetLabel(m_labels[id]);
      } else {
        m_labels[id] = item->GetLabel();
        wxString bare = item->GetLabel();
        bare.Replace("&", "");
        item->SetLabel(bare);
      }
    }
    if (wxWindow* hint = Page()->FindWindow(IDC_HINT)) {
      hint->Show(!show);
      Page()->Layout();
    }
  }

  void Assign() {
    const Command* command = SelectedCommand();
    if (!command || m_field->GetValue().empty()) return;
    std::erase_if(m_table, [this](const CAccelEntry& entry) {
      return entry.fVirt == m_captured.fVirt && entry.key == m_captured.key;
    });
    m_table.push_back({m_captured.fVirt, m_captured.key, command->id});
    ShowCommand();
    m_field->Clear();
    SetDirty();
  }

  void Delete() {
    const int line = m_keys->GetSelection();
    if (line < 0 || static_cast<size_t>(line) >= m_keyEntries.size()) return;
    m_table.erase(m_table.begin() + static_cast<long>(m_keyEntries[static_cast<size_t>(line)]));
    ShowCommand();
    if (line > 0) {
      m_keys->SetSelection(line - 1);
      EnableItem(Page(), IDC_DELETE, true);
    }
    SetDirty();
  }

  bool HasObjects() const { return m_hasObjects; }

  wxChoice* m_category = nullptr;
  wxListBox* m_commands = nullptr;
  wxListBox* m_keys = nullptr;
  wxTextCtrl* m_field = nullptr;
  std::vector<CAccelEntry> m_table;
  std::vector<size_t> m_keyEntries;
  CAccelEntry m_captured;
  std::map<int, wxString> m_labels;
  bool m_hasObjects = false;
};

}  // namespace

HRESULT CreateKeyboardPage(REFIID iid, void** object) { return CreatePage<KeyboardPage>(iid, object); }
