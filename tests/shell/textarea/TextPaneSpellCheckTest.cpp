// The text pane's spell check through the dictionary link, on the pane's real editing control.
#include <gtest/gtest.h>
#include <wx/listbox.h>

#include "shell/TextPaneSpellCheck.h"
#include "platform/com/CRegKey.h"
#include "platform/desktop/MessageBox.h"
#include "resources/CommandIds.h"
#include "tests/model/ModelTestSupport.h"
#include "tests/platform/FakeDdeServer.h"
#include "tests/shell/textarea/TextPaneFixture.h"
#include "textarea/CSpellCheckDlg.h"
#include "textarea/CWordChangeDlg.h"

namespace {

using model_test::DialogDriver;
using model_test::PressButton;
using model_test::Steps;
using model_test::TypeAndOk;
using textpane_test::TextPaneTest;

constexpr const char* kAppPaths = "SOFTWARE\\ReliefOffice\\CurrentVersion\\App Paths\\PDICW32.EXE";

class TextPaneSpellCheckTest : public TextPaneTest {
 protected:
  void TearDown() override {
    CRegKey root(HKEY_LOCAL_MACHINE);
    root.RecurseDeleteKey("SOFTWARE\\ReliefOffice");
    root.Detach();
    TextPaneTest::TearDown();
  }
  Installed<CPaneSpellChecker, ISpellChecker> m_checker;
  CKestavonDoc* WithText(const char* text) {
    CKestavonDoc* doc = OpenTexts();
    Down(doc);
    EditOf(doc).SetLongText(text);
    doc->SetModifiedFlag(FALSE);
    return doc;
  }
};

TEST_F(TextPaneSpellCheckTest, TheCommandIsOnOnlyWhileADictionaryIsRegisteredAndSaysWhenNoneAnswers) {
  CKestavonDoc* doc = WithText("teh cat");
  EXPECT_FALSE(TextEnabled(doc, ID_EDIT_SPELL_CHECK));
  CRegKey key;
  ASSERT_EQ(key.Create(HKEY_LOCAL_MACHINE, kAppPaths), ERROR_SUCCESS);
  key.SetStringValue(nullptr, "");
  EXPECT_FALSE(TextEnabled(doc, ID_EDIT_SPELL_CHECK)) << "an empty path is no program";
  key.SetStringValue(nullptr, "/nonexistent/PDICW32.EXE");
  EXPECT_TRUE(TextEnabled(doc, ID_EDIT_SPELL_CHECK));

  ScopedMessageBoxHook boxes(IDOK);
  ASSERT_TRUE(Command(doc, ID_EDIT_SPELL_CHECK));
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(std::string(boxes.Calls()[0].text), "接続失敗");
  EXPECT_EQ(Text(doc), "teh cat");
  EXPECT_FALSE(doc->IsModified());
}

TEST_F(TextPaneSpellCheckTest, CorrectingEverywhereChangesTheTextAndTheDocument) {
  FakeDdeServer dictionary(
      "PDICW", [](const std::string&) { return true; }, [](const std::string&) { return std::nullopt; },
      [](const std::string& item, const std::string& data) {
        return item != "Find" || data == std::string("the\0", 4) || data == std::string("cat\0", 4);
      });
  CKestavonDoc* doc = WithText("teh cat\r\nteh");
  wxWindow* control = EditOf(doc).GetControlWindow();
  DialogDriver driver({
      Steps({[&](wxDialog* d) {
               // Below the word, not at the top of the screen or of the pane.
               EXPECT_GT(d->GetPosition().y, control->GetScreenPosition().y);
               EXPECT_EQ(EditOf(doc).GetSelText().str(), "teh");
               static_cast<wxListBox*>(d->FindWindow(CSpellCheckDlg::IDC_ACTIONS))->SetSelection(1);
             },
             PressButton(IDOK)}),
      TypeAndOk(CWordChangeDlg::IDC_AFTER, "the"),
  });
  ASSERT_TRUE(Command(doc, ID_EDIT_SPELL_CHECK));
  EXPECT_EQ(Text(doc), "the cat\r\nthe");
  EXPECT_TRUE(doc->IsModified()) << "the corrections must not be lost on closing";
  const std::vector<std::string> pokes = dictionary.Pokes();
  ASSERT_FALSE(pokes.empty());
  EXPECT_EQ(pokes.front(), std::string("Open=\0", 6));
  EXPECT_EQ(pokes.back(), std::string("Close=\0", 7));
}

}  // namespace
