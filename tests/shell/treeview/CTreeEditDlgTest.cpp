#include "treeview/CTreeEditDlg.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/display.h>
#include <wx/choice.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "app/DateTimeText.h"
#include "app/ProgramDialogs.h"
#include "platform/base/CTime.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "platform/desktop/Shell.h"
#include "tests/common/TestSupport.h"
#include "tests/convert/DialogDriving.h"
#include "tests/treeview/ModalAnswers.h"
#include "tests/shell/treeview/TreePaneFixture.h"
#include "treeview/CNewLinkFileDlg.h"
#include "treeview/CTreePickerDlg.h"

namespace treepane_test {
namespace {

bool Exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

class TreeEditDlgTest : public TreePaneTest {
 protected:
  // The dialog goes before its parent frame.
  void TearDown() override {
    m_dialog.reset();
    TreePaneTest::TearDown();
  }
  // A dialog over an outline with two categories, its controls filled as when it opens.
  CTreeEditDlg& Dialog(const char* caption = "") {
    if (m_doc == nullptr) {
      m_doc = OpenOutline({"Top", "Top/A", "Top/A/B", "Top/C"}, [](ATREE& tree) {
        CCategoryArray& categories = tree.GetProperties().GetCategories();
        categories.Add(CTreeCategory{"仕事", "", -1});
        categories.Add(CTreeCategory{"私用", "", -1});
      });
    }
    m_dialog = std::make_unique<CTreeEditDlg>(m_frame);
    m_dialog->m_pDoc = m_doc;
    m_dialog->m_pListBox = ListOf(m_doc);
    m_dialog->m_strDocPath = m_doc->GetPathName();
    m_dialog->m_strCaption = caption;
    return *m_dialog;
  }
  wxTextCtrl* Edit(int id) const { return dynamic_cast<wxTextCtrl*>(m_dialog->FindWindow(id)); }
  wxChoice* Choice(int id) const { return dynamic_cast<wxChoice*>(m_dialog->FindWindow(id)); }
  void SetLink(const char* link) { Edit(CTreeEditDlg::IDC_LINK)->SetValue(CP932ToWx(link)); }
  std::string Dir() const { return m_dir; }

  CKestavonDoc* m_doc = nullptr;
  std::unique_ptr<CTreeEditDlg> m_dialog;
};

TEST_F(TreeEditDlgTest, StatusWordSetsOutputCategoryAndBold) {
  struct Case {
    DWORD status;
    int output, category;
    BOOL bold;
  };
  // The constructed output index is 2 here, so a word that names no setting shows it unchanged.
  const Case cases[] = {{0, 0, 0, FALSE},       {4, 1, 0, FALSE},           {12, 2, 0, FALSE},
                        {28, 3, 0, FALSE},      {8, 2, 0, FALSE},           {255u << 16, 0, 0, FALSE},
                        {(2u << 16) | 32 | 4, 1, 2, TRUE}};
  for (const Case& c : cases) {
    CTreeEditDlg& dialog = Dialog();
    dialog.m_nOutput = 2;
    dialog.SetStatus(c.status);
    EXPECT_EQ(dialog.m_nOutput, c.output) << c.status;
    EXPECT_EQ(dialog.m_nCategory, c.category) << c.status;
    EXPECT_EQ(dialog.m_bBold, c.bold) << c.status;
  }
  for (int output = 0; output < 4; ++output) {
    Dialog().SetStatus(CTreeEditDlg::OutputBits(output));
    EXPECT_EQ(m_dialog->m_nOutput, output);
  }
}

TEST_F(TreeEditDlgTest, CategoryListOffersNoneThenTheDocumentsCategories) {
  CTreeEditDlg& dialog = Dialog();
  dialog.SetStatus(255u << 16);
  dialog.InitDialog();
  wxChoice* combo = Choice(CTreeEditDlg::IDC_CATEGORY);
  ASSERT_EQ(combo->GetCount(), 3u);
  EXPECT_EQ(WxToCP932(combo->GetString(0)), "未設定");
  EXPECT_EQ(WxToCP932(combo->GetString(2)), "私用");
  EXPECT_EQ(WxToCP932(combo->GetStringSelection()), "未設定");
}

// A title or link character without a Shift JIS form is named to the user once, while the dialog
// is still open, before it becomes "?" in the item.
TEST_F(TreeEditDlgTest, CharactersThatCannotBeKeptAreToldOnceBeforeTheDialogCloses) {
  CTreeEditDlg& dialog = Dialog();
  bool toldWhileOpen = false;
  ScopedMessageBoxHook boxes([&](const MessageBoxCall&) {
    toldWhileOpen = m_dialog->IsModal();
    return IDOK;
  });
  WhenShown act([&](wxDialog* shown) {
    Edit(CTreeEditDlg::IDC_TITLE)->ChangeValue(wxString(L"\U00020BB7\u91CE\u5BB6"));
    Edit(CTreeEditDlg::IDC_LINK)->ChangeValue(wxString(L"\U0001F600.txt"));
    ::Click(shown, CTreeEditDlg::IDC_RELEASE);  // takes the fields' values, as OK does
    ::Click(shown, wxID_OK);
  });
  ASSERT_EQ(dialog.ShowModal(), wxID_OK);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_TRUE(toldWhileOpen);
  EXPECT_NE(boxes.Calls()[0].textUTF8.find("(U+20BB7)"), std::string::npos);
  EXPECT_NE(boxes.Calls()[0].textUTF8.find("(U+1F600)"), std::string::npos);
  EXPECT_EQ(dialog.m_strTitle, "?野家");
  EXPECT_EQ(dialog.m_strLink, "");
}

TEST_F(TreeEditDlgTest, OkRefusesAnEmptyTitleThenReturnsTheStatusWordAndStoresTheChoices) {
  Setting("System", "TreeAddPos", "0");
  CTreeEditDlg& dialog = Dialog();
  dialog.m_strCreate = "2024/01/02 03:04";
  dialog.m_strUpdate = "2024/05/06 07:08";
  ScopedMessageBoxHook boxes(IDOK);
  bool stayedOpen = false;
  WhenShown act([&](wxDialog* shown) {
    EXPECT_EQ(WxToCP932(shown->FindWindow(CTreeEditDlg::IDC_INFO)->GetLabel()),
              "作成日：2024/01/02 03:04\n更新日：2024/05/06 07:08");
    EXPECT_EQ(Choice(CTreeEditDlg::IDC_ADDPOS)->GetSelection(), 0);
    ::Click(shown, wxID_OK);
    stayedOpen = shown->IsModal();
    Edit(CTreeEditDlg::IDC_TITLE)->ChangeValue(CP932ToWx("  見出し"));
    Choice(CTreeEditDlg::IDC_OUTPUT)->SetSelection(3);
    Choice(CTreeEditDlg::IDC_CATEGORY)->SetSelection(2);
    dynamic_cast<wxCheckBox*>(shown->FindWindow(CTreeEditDlg::IDC_BOLD))->SetValue(true);
    dynamic_cast<wxCheckBox*>(shown->FindWindow(CTreeEditDlg::IDC_RENZOKU))->SetValue(true);
    Choice(CTreeEditDlg::IDC_ADDPOS)->SetSelection(1);
    ::Click(shown, wxID_OK);
  });
  ASSERT_EQ(dialog.ShowModal(), wxID_OK);
  EXPECT_TRUE(stayedOpen);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text, "タイトルが入力されていません");
  EXPECT_EQ(dialog.m_strTitle, "見出し");
  EXPECT_EQ(dialog.m_nStatus, 28u | (2u << 16) | 32u);
  EXPECT_EQ(dialog.m_nInitOutput, 0);
  EXPECT_EQ(dialog.m_nOutput, 3);
  EXPECT_EQ(AfxGetProfileInt("System", "RenzokuInput", -1), 1);
  EXPECT_EQ(AfxGetProfileInt("System", "TreeAddPos", -1), 1);

  // A cancel ends continuous input, whatever the box says.
  Setting("System", "RenzokuInput", "1");
  CTreeEditDlg& again = Dialog();
  WhenShown cancel([](wxDialog* shown) {
    dynamic_cast<wxCheckBox*>(shown->FindWindow(CTreeEditDlg::IDC_RENZOKU))->SetValue(true);
    ::Click(shown, wxID_CANCEL);
  });
  EXPECT_EQ(again.ShowModal(), wxID_CANCEL);
  EXPECT_EQ(AfxGetProfileInt("System", "RenzokuInput", -1), 0);
}

TEST_F(TreeEditDlgTest, AddingAChildHidesTheAddPositionAndShortensTheDialog) {
  CTreeEditDlg& full = Dialog("ツリーの編集");
  full.InitDialog();
  const wxSize fullSize = full.GetSize();
  EXPECT_TRUE(full.FindWindow(CTreeEditDlg::IDC_ADDPOS)->IsShown());
  CTreeEditDlg& child = Dialog(CTreeEditDlg::kChildCaption);
  child.InitDialog();
  EXPECT_EQ(WxToCP932(child.GetTitle()), CTreeEditDlg::kChildCaption);
  EXPECT_FALSE(child.FindWindow(CTreeEditDlg::IDC_ADDPOS)->IsShown());
  EXPECT_FALSE(child.FindWindow(CTreeEditDlg::IDC_ADDPOS_LABEL)->IsShown());
  EXPECT_LT(child.GetSize().GetHeight(), fullSize.GetHeight());
  EXPECT_EQ(child.GetSize().GetWidth(), fullSize.GetWidth());
}

// The dialog is laid out from its contents: every button is as wide as the toolkit needs for its
// label and lies inside the window that holds it.
TEST_F(TreeEditDlgTest, EveryButtonShowsItsWholeLabelInsideItsGroup) {
  CTreeEditDlg& dialog = Dialog();
  dialog.InitDialog();
  std::vector<wxButton*> buttons;
  std::function<void(wxWindow*)> collect = [&](wxWindow* window) {
    for (wxWindow* child : window->GetChildren()) {
      if (auto* button = dynamic_cast<wxButton*>(child)) buttons.push_back(button);
      collect(child);
    }
  };
  collect(&dialog);
  ASSERT_GE(buttons.size(), 6u);
  for (wxButton* button : buttons) {
    wxButton probe(button->GetParent(), wxID_ANY, button->GetLabel());
    EXPECT_GE(button->GetSize().x, probe.GetBestSize().x) << button->GetLabel();
    probe.Hide();
    const wxRect inside(button->GetParent()->GetClientSize());
    EXPECT_TRUE(inside.Contains(button->GetRect())) << button->GetLabel();
    EXPECT_LE(button->GetRect().GetRight(), inside.GetRight() - 2) << button->GetLabel();
  }
}

TEST_F(TreeEditDlgTest, LinkButtonsFollowTheLink) {
  Dialog().InitDialog();
  struct Case {
    const char* link;
    bool open, remove, release, tree;
  };
  const Case cases[] = {
      {"", false, false, false, true},
      {"file:///.//A/B", true, false, true, true},
      {"notes.txt", true, true, true, false},
      {"http://example.com/a.kvn", true, false, true, true},
      {"http://example.com/a", true, false, true, false},
      {"sub/Other.KVN", true, true, true, true},
      {"sub/other.kvn/A", true, true, true, true},
  };
  for (const Case& c : cases) {
    SetLink(c.link);
    EXPECT_EQ(m_dialog->FindWindow(CTreeEditDlg::IDC_OPEN)->IsEnabled(), c.open) << c.link;
    EXPECT_TRUE(m_dialog->FindWindow(CTreeEditDlg::IDC_CREATE)->IsEnabled()) << c.link;
    EXPECT_EQ(m_dialog->FindWindow(CTreeEditDlg::IDC_DELETE)->IsEnabled(), c.remove) << c.link;
    EXPECT_EQ(m_dialog->FindWindow(CTreeEditDlg::IDC_RELEASE)->IsEnabled(), c.release) << c.link;
    EXPECT_TRUE(m_dialog->FindWindow(CTreeEditDlg::IDC_BROWSE)->IsEnabled()) << c.link;
    EXPECT_EQ(m_dialog->FindWindow(CTreeEditDlg::IDC_TREELINK)->IsEnabled(), c.tree) << c.link;
  }
  ::Click(m_dialog.get(), CTreeEditDlg::IDC_RELEASE);
  EXPECT_TRUE(m_dialog->m_strLink.IsEmpty());
  EXPECT_FALSE(m_dialog->FindWindow(CTreeEditDlg::IDC_OPEN)->IsEnabled());
}

TEST_F(TreeEditDlgTest, FullPathOfALink) {
  CTreeEditDlg& dialog = Dialog();
  const CString folder = CString(Dir().c_str()) + "/";
  const std::pair<const char*, CString> cases[] = {
      {"sub\\x.txt", folder + "sub/x.txt"},
      {"/abs/x.txt", "/abs/x.txt"},
      {"file:///.//A", dialog.m_strDocPath},
      {"file:///other.kvn/A", "other.kvn"},
      {"http://example.com/x", "http://example.com/x"},
  };
  for (const auto& [link, full] : cases) {
    dialog.m_strLink = link;
    EXPECT_EQ(dialog.GetLinkFullPath(), full) << link;
  }
  ScopedMessageBoxHook boxes(IDOK);
  dialog.m_strDocPath.Empty();
  dialog.m_strLink = "x.txt";
  EXPECT_EQ(dialog.GetLinkFullPath(), "x.txt");
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text, "リンクが相対パスです。ファイルを保存してください");
}

TEST_F(TreeEditDlgTest, NewLinkFilesHoldExactlyTheirBytesAndAnExistingFileIsKept) {
  CTreeEditDlg& dialog = Dialog();
  dialog.m_strTitle = "題名";
  dialog.m_strText = "本文\r\n二行目";
  ScopedMessageBoxHook boxes(IDOK);
  const std::string kvn = Dir() + "/x.kvn";
  ASSERT_TRUE(dialog.WriteNewLinkFile(kvn.c_str(), TRUE, TRUE));
  EXPECT_EQ(kesta_test::ReadBytes(kvn), std::string(CString("題名").str()) + "\x05" "0\x06" "1\r\n");
  const std::string text = Dir() + "/x.txt";
  ASSERT_TRUE(dialog.WriteNewLinkFile(text.c_str(), FALSE, TRUE));
  EXPECT_EQ(kesta_test::ReadBytes(text), std::string(CString("本文\r\n二行目\r\n").str()));
  EXPECT_TRUE(boxes.Calls().empty());

  EXPECT_TRUE(dialog.WriteNewLinkFile(text.c_str(), TRUE, FALSE));
  EXPECT_EQ(boxes.Calls().back().text, "既にファイルは存在します");
  EXPECT_EQ(kesta_test::ReadBytes(text), std::string(CString("本文\r\n二行目\r\n").str()));
  EXPECT_FALSE(dialog.WriteNewLinkFile((Dir() + "/missing/y.txt").c_str(), TRUE, FALSE));
  EXPECT_EQ(boxes.Calls().back().text, "ファイルを作成できません");
}

TEST_F(TreeEditDlgTest, CreateMakesTheFileAndLinksItAbsolutely) {
  Setting("System", "LinkNewAbsolute", "0");
  CTreeEditDlg& dialog = Dialog();
  dialog.InitDialog();
  Edit(CTreeEditDlg::IDC_TITLE)->ChangeValue("Memo");
  std::vector<CString> offered;
  ModalAnswers user([&](wxDialog* shown) {
    auto* ask = dynamic_cast<CNewLinkFileDlg*>(shown);
    offered.push_back(ask->m_strFileName);
    return static_cast<int>(wxID_OK);
  });
  ScopedShellOpener noOpener("");
  ScopedMessageBoxHook boxes(IDOK);
  ::Click(&dialog, CTreeEditDlg::IDC_CREATE);
  ASSERT_EQ(offered.size(), 1u);
  EXPECT_EQ(offered[0], "Memo.kvn");  // relative to the document, as LinkNewAbsolute 0 asks
  const std::string created = Dir() + "/Memo.kvn";
  EXPECT_TRUE(Exists(created));
  EXPECT_EQ(WxToCP932(Edit(CTreeEditDlg::IDC_LINK)->GetValue()), created.c_str());
  EXPECT_TRUE(dialog.FindWindow(CTreeEditDlg::IDC_DELETE)->IsEnabled());
}

TEST_F(TreeEditDlgTest, DeleteMovesTheLinkedFileAwayOnlyWhenConfirmed) {
  CTreeEditDlg& dialog = Dialog();
  dialog.InitDialog();
  const std::string file = Dir() + "/gone.txt";
  kesta_test::WriteBytes(file, "x");
  SetLink("gone.txt");
  {
    ScopedMessageBoxHook no(IDNO);
    ::Click(&dialog, CTreeEditDlg::IDC_DELETE);
    ASSERT_EQ(no.Calls().size(), 1u);
    EXPECT_EQ(no.Calls()[0].text, CString("ファイル ") + file.c_str() + "を削除しますか？");
  }
  EXPECT_TRUE(Exists(file));
  EXPECT_EQ(dialog.m_strLink, "gone.txt");
  ScopedMessageBoxHook yes(IDYES);
  ::Click(&dialog, CTreeEditDlg::IDC_DELETE);
  EXPECT_FALSE(Exists(file));
  EXPECT_TRUE(dialog.m_strLink.IsEmpty());
}

TEST_F(TreeEditDlgTest, TreeLinkPointsIntoThisOutlineOrAnotherWithoutLockingIt) {
  CTreeEditDlg& dialog = Dialog();
  dialog.InitDialog();
  int start = -1;
  ModalAnswers user([&](wxDialog* shown) {
    auto* picker = dynamic_cast<CTreeRefDlg*>(shown);
    start = picker->m_nIndex;
    picker->m_nIndex = 2;
    return static_cast<int>(wxID_OK);
  });
  ::Click(&dialog, CTreeEditDlg::IDC_TREELINK);
  EXPECT_EQ(start, m_doc->GetCurrentTree());
  EXPECT_EQ(dialog.m_strLink, "file:///./Top/A/B");
  ::Click(&dialog, CTreeEditDlg::IDC_TREELINK);
  EXPECT_EQ(start, 2);

  Setting("System", "SharedFile", "1");
  WriteOutline("other.kvn", {"Other", "Other/X", "Other/Y"});
  SetLink("other.kvn");
  ::Click(&dialog, CTreeEditDlg::IDC_TREELINK);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(dialog.m_strLink, "file:///other.kvn/Other/Y");
  EXPECT_FALSE(Exists(Dir() + "/other.kvn.lock"));

  // A file that cannot be read leaves the link as it was.
  SetLink("missing.kvn");
  ScopedMessageBoxHook boxes(IDOK);
  ::Click(&dialog, CTreeEditDlg::IDC_TREELINK);
  EXPECT_EQ(dialog.m_strLink, "missing.kvn");
}

TEST_F(TreeEditDlgTest, BesideTheRowNearTheScreensFootItOpensAboveTheRow) {
  Setting("View", "TreeEditPos", "1");
  CTreeEditDlg& dialog = Dialog();
  COwnerListBox* list = ListOf(m_doc);
  const wxRect work = wxDisplay(0u).GetClientArea();
  m_frame->Move(0, work.GetBottom() - m_frame->GetSize().GetHeight() / 3);
  RECT row{};
  ASSERT_TRUE(list->GetItemRect(list->GetCurSel(), &row));
  const wxPoint rowTop = list->ClientToScreen(wxPoint(row.left, row.top));
  dialog.InitDialog();
  EXPECT_EQ(dialog.GetPosition().y, rowTop.y - dialog.GetSize().GetHeight());
  EXPECT_EQ(dialog.GetPosition().x, list->ClientToScreen(wxPoint(row.right, 0)).x);
}

TEST_F(TreeEditDlgTest, DatePutsThePickedDateIntoTheTitleAtTheCaret) {
  const CTime picked(2024, 7, 5, 0, 0, 0);
  struct DatePicker : IDatePicker {
    explicit DatePicker(const CTime& date) : picked(date) {}
    BOOL PickDate(wxWindow*, CTime& date) override {
      date = picked;
      return TRUE;
    }
    CTime picked;
  } picker(picked);
  {
    Seam<IDatePicker>::Scope installed(&picker);
    CTreeEditDlg& dialog = Dialog();
    dialog.m_strTitle = "会議";
    dialog.InitDialog();
    EXPECT_TRUE(dialog.FindWindow(CTreeEditDlg::IDC_DATE)->IsEnabled());
    Edit(CTreeEditDlg::IDC_TITLE)->SetSelection(0, 0);
    ::Click(&dialog, CTreeEditDlg::IDC_DATE);
    EXPECT_EQ(WxToCP932(Edit(CTreeEditDlg::IDC_TITLE)->GetValue()), FormatDate(m_app->m_settings, picked) + "会議");
  }
  EXPECT_FALSE(Dialog().FindWindow(CTreeEditDlg::IDC_DATE)->IsEnabled());
}

TEST_F(TreeEditDlgTest, NewLinkFileDialogKeepsItsTwoChoices) {
  Setting("NewLinkFile", "Title", "0");
  Setting("NewLinkFile", "Body", "1");
  CNewLinkFileDlg ask(m_frame);
  ask.m_strFileName = "a.txt";
  bool title = true, body = false;
  WhenShown act([&](wxDialog* shown) {
    title = dynamic_cast<wxCheckBox*>(shown->FindWindow(CNewLinkFileDlg::IDC_TITLE))->GetValue();
    body = dynamic_cast<wxCheckBox*>(shown->FindWindow(CNewLinkFileDlg::IDC_BODY))->GetValue();
    dynamic_cast<wxCheckBox*>(shown->FindWindow(CNewLinkFileDlg::IDC_TITLE))->SetValue(true);
    dynamic_cast<wxTextCtrl*>(shown->FindWindow(CNewLinkFileDlg::IDC_FILENAME))->ChangeValue("b.txt");
    ::Click(shown, wxID_OK);
  });
  ASSERT_EQ(ask.ShowModal(), wxID_OK);
  EXPECT_FALSE(title);
  EXPECT_TRUE(body);
  EXPECT_EQ(ask.m_strFileName, "b.txt");
  EXPECT_TRUE(ask.m_bTitle);
  EXPECT_EQ(AfxGetProfileInt("NewLinkFile", "Title", -1), 1);
  EXPECT_EQ(AfxGetProfileInt("NewLinkFile", "Body", -1), 1);
}

}  // namespace
}  // namespace treepane_test
