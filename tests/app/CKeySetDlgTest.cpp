#include "app/CKeySetDlg.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listbox.h>
#include <wx/menu.h>

#include <utility>
#include <vector>

#include "app/CKeyListBox.h"
#include "app/CKeycustArray.h"
#include "app/CKeycustDlg.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MenuKeyText.h"
#include "platform/desktop/MessageBox.h"
#include "platform/desktop/VirtualKeys.h"
#include "tests/app/TestSettingsFile.h"
#include "tests/common/TestSupport.h"

namespace {

using kesta_test::TestSettingsFile;

constexpr UINT kNew = 0xE100;
constexpr UINT kOpen = 0xE101;
constexpr UINT kSave = 0xE103;
constexpr UINT kHidden = 0x9999;  // bound in the file but not customisable
constexpr UINT kF2 = 0x71;
constexpr UINT kF5 = 0x74;

// A key table of four bindings and the three commands the user may bind.
class KeyDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
    table.Add('N', 0, 0, 1, kNew);
    table.Add('O', 0, 0, 1, kOpen);
    table.Add(VK_NEXT, 1, 1, 1, kOpen);
    table.Add('H', 0, 0, 1, kHidden);
    BuildMenus();
  }
  void TearDown() override { delete dialog; }

  CKeySetDlg* Open(int mode = CKeySetDlg::MODE_EDIT) {
    dialog = new CKeySetDlg(nullptr, table, names, ids, settings.Get(), mode);
    dialog->m_pMenu = &menus;
    return dialog;
  }
  std::vector<CString> Rows() const {
    std::vector<CString> rows;
    for (int i = 0; i < dialog->GetList()->GetCount(); ++i)
      rows.push_back(dialog->GetList()->GetKeyText(i) + " " + dialog->GetList()->GetCommandText(i));
    return rows;
  }
  void Select(const char* row) {
    const auto rows = Rows();
    for (size_t i = 0; i < rows.size(); ++i)
      if (rows[i] == row) dialog->GetList()->SetSelection(static_cast<int>(i));
  }

  CKeycustArray table;
  std::vector<CString> names{"[ﾌｧｲﾙ]新規作成", "[ﾌｧｲﾙ]開く", "[ﾌｧｲﾙ]上書き保存"};
  std::vector<UINT> ids{kNew, kOpen, kSave};
  TestSettingsFile settings{};
  CKeySetDlg* dialog = nullptr;
  CString MenuText(UINT command) const { return GetMenuItemText(menus.FindItem(static_cast<int>(command))); }

  // The File menu as the table's keys have written it.
  wxMenuBar menus;
  void BuildMenus() {
    auto* file = new wxMenu;
    file->Append(kNew, CP932ToWx("新規作成(&N)"));
    file->Append(kOpen, CP932ToWx("開く(&O)..."));
    file->Append(kSave, CP932ToWx("上書き保存(&S)"));
    menus.Append(file, CP932ToWx("ファイル(&F)"));
    table.UpdateMenuTexts(&menus);
  }
};

TEST_F(KeyDialogsTest, ListShowsCustomisableBindingsSortedWithAWideEnoughKeyColumn) {
  Open();
  EXPECT_EQ(WxToCP932(dialog->GetTitle()), "キーカスタマイズ");
  EXPECT_EQ(Rows(), (std::vector<CString>{"Ctrl+N [ﾌｧｲﾙ]新規作成", "Ctrl+O [ﾌｧｲﾙ]開く",
                                          "Alt+Shift+Ctrl+PageDown [ﾌｧｲﾙ]開く"}));
  EXPECT_EQ(dialog->GetList()->GetKeyColumnWidth(), 23);
  EXPECT_EQ(table.GetSize(), 4);  // the hidden binding stays in the table
}

TEST_F(KeyDialogsTest, ListModeOnlyShowsTheKeys) {
  Open(CKeySetDlg::MODE_LIST);
  EXPECT_EQ(WxToCP932(dialog->GetTitle()), "テキストエリアのキー");
  for (int id : {141, 143, 131, 155, 156, 233}) EXPECT_FALSE(dialog->FindWindow(id)->IsShown()) << id;
  EXPECT_EQ(WxToCP932(dialog->FindWindow(CKeySetDlg::IDC_SAVE_CLOSE)->GetLabel()), "閉じる");
}

TEST_F(KeyDialogsTest, ChangingMovesTheMenuTextsAlong) {
  Open();
  EXPECT_EQ(MenuText(kNew), "新規作成(&N)\tCtrl+N");
  Select("Ctrl+N [ﾌｧｲﾙ]新規作成");
  dialog->ChangeSelected(CKeycust('S', 0, 0, 1, kSave));
  // New has no other binding: its key text goes; Save gets Ctrl+S.
  EXPECT_EQ(MenuText(kNew), "新規作成(&N)");
  EXPECT_EQ(MenuText(kSave), "上書き保存(&S)\tCtrl+S");
  Select("Ctrl+O [ﾌｧｲﾙ]開く");
  dialog->ChangeSelected(CKeycust('S', 1, 0, 1, kSave));
  // Open keeps another binding, whose text it now shows.
  EXPECT_EQ(MenuText(kOpen), "開く(&O)...\tAlt+Shift+Ctrl+PageDown");
  EXPECT_EQ(MenuText(kSave), "上書き保存(&S)\tAlt+Ctrl+S");
  EXPECT_EQ(table.LookupCommand('O', 0, 0, 1), 0u);
}

TEST_F(KeyDialogsTest, AddSetsTheMenuTextAndDeleteAsksFirst) {
  Open();
  dialog->AddBinding(CKeycust(kF5, 0, 0, 0, kSave));
  EXPECT_EQ(MenuText(kSave), "上書き保存(&S)\tF5");
  EXPECT_EQ(table.LookupCommand(kF5, 0, 0, 0), kSave);

  Select("F5 [ﾌｧｲﾙ]上書き保存");
  wxCommandEvent press(wxEVT_BUTTON, CKeySetDlg::IDC_DELETE);
  {
    ScopedMessageBoxHook cancel(IDCANCEL);
    dialog->GetEventHandler()->ProcessEvent(press);
    ASSERT_EQ(cancel.Calls().size(), 1u);
    EXPECT_EQ(cancel.Calls()[0].text, "削除しますか？");
  }
  EXPECT_EQ(table.GetSize(), 5);
  ScopedMessageBoxHook ok(IDOK);
  dialog->GetEventHandler()->ProcessEvent(press);
  EXPECT_EQ(table.GetSize(), 4);
  EXPECT_EQ(table.LookupCommand(kF5, 0, 0, 0), 0u);
}

TEST_F(KeyDialogsTest, SaveButtonStoresThePrecedenceAndTheKeyFile) {
  const std::string path = kesta_test::MakeTempDir("keys") + "/kestavon.key";
  ASSERT_TRUE(table.Save(path.c_str(), settings.Get()));
  Open();
  dynamic_cast<wxCheckBox*>(dialog->FindWindow(CKeySetDlg::IDC_CONTROL_PRECEDENCE))->SetValue(true);
  dialog->AddBinding(CKeycust(kF5, 0, 0, 0, kSave));
  dialog->SaveAndClose();
  EXPECT_EQ(dialog->m_bControlPrecedence, 1);
  EXPECT_EQ(settings.Get().GetProfileInt("System", "KeycustWrila", -1), 1);
  CKeycustArray reread;
  ASSERT_TRUE(reread.Load(path.c_str(), settings.Get()));
  EXPECT_EQ(reread.GetSize(), 5);
}

TEST_F(KeyDialogsTest, AFileThatIsNoKeyFileIsRefusedAndNotWrittenOver) {
  const std::string dir = kesta_test::MakeTempDir("keys");
  const std::string good = dir + "/kestavon.key";
  const std::string other = dir + "/notes.txt";
  ASSERT_TRUE(table.Save(good.c_str(), settings.Get()));
  kesta_test::WriteBytes(other, "not a key file");
  Open();
  {
    ScopedMessageBoxHook answer(IDOK);
    EXPECT_FALSE(dialog->LoadFrom(other.c_str()));
    ASSERT_EQ(answer.Calls().size(), 1u);
    EXPECT_EQ(answer.Calls()[0].text, "読み込めません");
    EXPECT_FALSE(dialog->LoadFrom((dir + "/missing.key").c_str()));
  }
  EXPECT_EQ(table.GetSize(), 4);
  EXPECT_EQ(Rows().size(), 3u);
  dialog->SaveAndClose();
  EXPECT_EQ(kesta_test::ReadBytes(other), "not a key file");
  EXPECT_EQ(table.GetKeyFilePath(), good.c_str());

  // A real key file replaces the table.
  CKeycustArray one;
  one.Add(kF2, 0, 0, 0, kSave);
  ASSERT_TRUE(one.Save(other.c_str(), settings.Get()));
  EXPECT_TRUE(dialog->LoadFrom(other.c_str()));
  EXPECT_EQ(Rows(), (std::vector<CString>{"F2 [ﾌｧｲﾙ]上書き保存"}));
}

// The binding dialog over the same table.
class KeycustDlgTest : public KeyDialogsTest {
 protected:
  CKeycustDlg* Binding(const CKeycust& working, int editKey) {
    binding.reset(new CKeycustDlg(nullptr, table, names, ids, working, editKey));
    return binding.get();
  }
  wxListBox* List(int id) { return dynamic_cast<wxListBox*>(binding->FindWindow(id)); }
  void Toggle(int id) {
    auto* box = dynamic_cast<wxCheckBox*>(binding->FindWindow(id));
    box->SetValue(!box->GetValue());
    wxCommandEvent event(wxEVT_CHECKBOX, id);
    binding->GetEventHandler()->ProcessEvent(event);
  }
  void ChooseKey(int index) {
    List(CKeycustDlg::IDC_KEYLIST)->SetSelection(index);
    wxCommandEvent event(wxEVT_LISTBOX, CKeycustDlg::IDC_KEYLIST);
    binding->GetEventHandler()->ProcessEvent(event);
  }
  int KeyIndex(UINT key) {
    for (int i = 0; i < CKeycustArray::GetKeyNameCount(); ++i)
      if (CKeycustArray::GetKeyCodeAt(i) == key) return i;
    return -1;
  }
  wxString OkLabel() { return binding->FindWindow(wxID_OK)->GetLabel(); }

  std::unique_ptr<CKeycustDlg, void (*)(CKeycustDlg*)> binding{nullptr, [](CKeycustDlg* d) { d->Destroy(); }};
};

TEST_F(KeycustDlgTest, ModifiersAndKeysFollowTheTable) {
  Binding(CKeycust('N', 0, 0, 1, kNew), 'N');
  EXPECT_EQ(WxToCP932(binding->GetTitle()), "キーカスタマイズの変更");
  wxListBox* keys = List(CKeycustDlg::IDC_KEYLIST);
  EXPECT_EQ(keys->GetSelection(), KeyIndex('N'));
  EXPECT_EQ(WxToCP932(keys->GetString(0)), "Ctrl+F1");
  EXPECT_EQ(WxToCP932(List(CKeycustDlg::IDC_MENULIST)->GetString(0)), "（なし）");
  EXPECT_EQ(List(CKeycustDlg::IDC_MENULIST)->GetSelection(), 1);
  EXPECT_EQ(WxToCP932(OkLabel()), "変更");

  // Ctrl+Shift+N is free: the binding's own command stays chosen.
  Toggle(CKeycustDlg::IDC_SHIFT);
  EXPECT_EQ(WxToCP932(keys->GetString(0)), "Shift+Ctrl+F1");
  EXPECT_EQ(keys->GetSelection(), KeyIndex('N'));
  EXPECT_EQ(List(CKeycustDlg::IDC_MENULIST)->GetSelection(), 1);
  EXPECT_EQ(WxToCP932(OkLabel()), "追加");
  // Back to Ctrl, then O: bound to Open.
  Toggle(CKeycustDlg::IDC_SHIFT);
  ChooseKey(KeyIndex('O'));
  EXPECT_EQ(List(CKeycustDlg::IDC_MENULIST)->GetSelection(), 2);
  EXPECT_EQ(WxToCP932(OkLabel()), "変更");
}

TEST_F(KeycustDlgTest, TakingABoundCombinationAsksAndMovesIt) {
  Binding(CKeycust(), -1);
  EXPECT_EQ(WxToCP932(binding->GetTitle()), "キーカスタマイズの追加");
  Toggle(CKeycustDlg::IDC_CTRL);
  ChooseKey(KeyIndex('O'));
  List(CKeycustDlg::IDC_MENULIST)->SetSelection(3);  // Save
  {
    ScopedMessageBoxHook cancel(IDCANCEL);
    EXPECT_EQ(binding->TakeChoice(), 0);  // the dialog stays open
    ASSERT_EQ(cancel.Calls().size(), 1u);
    EXPECT_EQ(cancel.Calls()[0].text, "このキーは [ﾌｧｲﾙ]開く に設定済みです。変更しますか？");
  }
  EXPECT_EQ(table.LookupCommand('O', 0, 0, 1), kOpen);
  ScopedMessageBoxHook ok(IDOK);
  EXPECT_EQ(binding->TakeChoice(), IDOK);
  EXPECT_EQ(table.Find('O', 0, 0, 1), -1);
  EXPECT_TRUE(binding->m_keycust.IsCombination('O', 0, 0, 1));
  EXPECT_EQ(binding->m_keycust.m_nCommand, kSave);
}

TEST_F(KeycustDlgTest, NothingChosenCancels) {
  Binding(CKeycust('N', 0, 0, 1, kNew), 'N');
  List(CKeycustDlg::IDC_MENULIST)->SetSelection(0);
  EXPECT_EQ(binding->TakeChoice(), IDCANCEL);
  EXPECT_EQ(binding->m_keycust.m_nCommand, kNew);
  // Adding with no key chosen binds nothing either.
  Binding(CKeycust(), -1);
  List(CKeycustDlg::IDC_MENULIST)->SetSelection(1);
  EXPECT_EQ(binding->TakeChoice(), IDCANCEL);
  // Keeping a binding's own combination asks nothing.
  Binding(CKeycust('N', 0, 0, 1, kNew), 'N');
  List(CKeycustDlg::IDC_MENULIST)->SetSelection(3);
  ScopedMessageBoxHook none(IDCANCEL);
  EXPECT_EQ(binding->TakeChoice(), IDOK);
  EXPECT_TRUE(none.Calls().empty());
  EXPECT_EQ(binding->m_keycust.m_nCommand, kSave);
}

}  // namespace
