#include <gtest/gtest.h>
#include <wx/app.h>

#include <string>

#include "app/CKestavonDoc.h"
#include "model/CDirData.h"
#include "tests/shell/AppFixture.h"
#include "tests/common/TestSupport.h"
#include "textarea/CIEditView.h"
#include "treeview/COwnerListBox.h"
#include "treeview/CTrView.h"

namespace {

using app_test::AppTest;

// A key as the window under the keyboard receives it: key-down, then the character it types.
void Key(wxWindow* window, int keyCode, bool ctrl = false) {
  wxKeyEvent event(wxEVT_KEY_DOWN);
  event.m_keyCode = keyCode;
  event.m_controlDown = ctrl;
  event.SetEventObject(window);
  window->GetEventHandler()->ProcessEvent(event);
}
void Type(wxWindow* window, const std::u32string& text) {
  for (char32_t c : text) {
    wxKeyEvent event(wxEVT_CHAR);
    event.m_keyCode = c < 0x80 ? static_cast<int>(c) : WXK_NONE;
    event.m_uniChar = static_cast<wxChar>(c);
    event.SetEventObject(window);
    window->GetEventHandler()->ProcessEvent(event);
  }
}

CIEditView* TextPane(CKestavonDoc* doc) {
  for (CView* view : doc->GetViews())
    if (auto* pane = dynamic_cast<CIEditView*>(view)) return pane;
  return nullptr;
}

// The whole road of an item's text through the program: started on an outline, the third item
// selected with the keyboard, Japanese text typed into the text pane, saved with the key the key
// table binds, the program ended and started again on the file.
TEST_F(AppTest, TypedTextSurvivesSaveAndRestartAndNothingElseChanges) {
  // The program as shipped: its key file beside it binds Ctrl+S to saving.
  kesta_test::WriteBytes(m_dir + "/bin/kestavon.key",
                         kesta_test::ReadBytes(kesta_test::FixturePath("../../resources/kestavon.key")));
  const std::string path = SampleCopy("typed.kvn");
  ATREE original;
  ASSERT_EQ(original.ReadKvnFile(path.c_str()), 1);
  ASSERT_TRUE(Start({path}));
  CKestavonDoc* doc = Documents().at(0);
  auto* tree = dynamic_cast<CTrView*>(doc->GetViews().front());
  ASSERT_TRUE(tree);
  Key(tree->GetListBox(), WXK_DOWN);
  Key(tree->GetListBox(), WXK_DOWN);
  ASSERT_EQ(doc->GetCurrentTree(), 2);

  CIEditView* pane = TextPane(doc);
  ASSERT_TRUE(pane && pane->GetEditCtrl().HasControl());
  wxWindow* control = pane->GetEditCtrl().GetControlWindow();
  Key(control, WXK_END, true);
  Type(control, U"こんにちは世界");
  EXPECT_TRUE(doc->IsModified());
  Key(control, 'S', true);
  wxTheApp->ProcessPendingEvents();  // the bound key's command is posted to the main window
  EXPECT_FALSE(doc->IsModified());
  Stop();

  ASSERT_TRUE(Start({path}));
  doc = Documents().at(0);
  EXPECT_EQ(doc->GetCurrentTree(), 2) << "the program comes back to the item it was left at";
  const ATREE& reopened = doc->GetTree();
  ASSERT_EQ(reopened.GetDirDataCount(), original.GetDirDataCount());
  for (int i = 0; i < original.GetDirDataCount(); ++i) {
    EXPECT_EQ(reopened.GetTitle(i).str(), original.GetTitle(i).str());
    EXPECT_EQ(reopened.GetDirData(i)->m_strLink.str(), original.GetDirData(i)->m_strLink.str());
    if (i != 2) {
      EXPECT_EQ(reopened.GetText(i).str(), original.GetText(i).str()) << i;
    }
  }
  EXPECT_EQ(reopened.GetText(2).str(), original.GetText(2).str() + "こんにちは世界\r\n");
  EXPECT_EQ(TextPane(doc)->GetEditCtrl().GetText().str(), reopened.GetText(2).str());
}

}  // namespace
