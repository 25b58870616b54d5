#pragma once
// A document window with the text pane over an outline of a top item and three items with texts,
// and the ways the text pane's tests reach its control.
#include <gtest/gtest.h>
#include <wx/event.h>

#include <functional>
#include <string>

#include "platform/framework/CFrameWnd.h"
#include "tests/shell/treeview/TreePaneFixture.h"
#include "textarea/CIEditView.h"

namespace textpane_test {

using treepane_test::TreePaneTest;

class TextPaneTest : public TreePaneTest {
 protected:
  void SetUp() override {
    TreePaneTest::SetUp();
    if (IsSkipped()) return;
    ASSERT_TRUE(CWrila::RegisterControlLibrary());
  }

  // An outline of a top item and three items with texts; the top item is current.
  CKestavonDoc* OpenTexts(const std::function<void(ATREE&)>& more = nullptr) {
    return OpenOutline({"top", "top/one", "top/two", "top/three"}, [&](ATREE& tree) {
      tree.SetText(1, "一つ目の本文");
      tree.SetText(2, "二つ目\r\n二行目");
      tree.SetText(3, "三つ目");
      if (more) more(tree);
    });
  }
  static CIEditView* TextOf(CKestavonDoc* doc) {
    for (CView* view : doc->GetViews())
      if (auto* text = dynamic_cast<CIEditView*>(view)) return text;
    return nullptr;
  }
  static CWrilaCtrl& EditOf(CKestavonDoc* doc) { return TextOf(doc)->GetEditCtrl(); }
  // Moves the tree pane's selection down, as the Down key in the list does.
  static void Down(CKestavonDoc* doc, int times = 1) {
    for (int i = 0; i < times; ++i) Press(ListOf(doc), WXK_DOWN);
  }
  static void KeyToControl(CKestavonDoc* doc, int wxKey, bool ctrl = false) {
    wxWindow* control = EditOf(doc).GetControlWindow();
    wxKeyEvent event(wxEVT_KEY_DOWN);
    event.m_keyCode = wxKey;
    event.m_controlDown = ctrl;
    event.SetEventObject(control);
    control->GetEventHandler()->ProcessEvent(event);
  }
  static std::string Text(CKestavonDoc* doc) { return EditOf(doc).GetText().str(); }
  static std::string Stored(CKestavonDoc* doc, int item) { return doc->GetTree().GetText(item).str(); }
  // Whether the text pane itself enables the command.
  static bool TextEnabled(CKestavonDoc* doc, int command) {
    wxUpdateUIEvent event(command);
    TextOf(doc)->ProcessWindowEvent(event);
    return !event.GetSetEnabled() || event.GetEnabled();
  }
  // Sends a command to the text pane as the menu would, and whether it was taken.
  static bool Command(CKestavonDoc* doc, int id) {
    wxCommandEvent command(wxEVT_MENU, id);
    return TextOf(doc)->ProcessWindowEvent(command);
  }
};

}  // namespace textpane_test
