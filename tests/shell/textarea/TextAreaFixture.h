#pragma once
// Outline windows whose text pane hosts the editing control from the library beside the tests.
#include <string>

#include "tests/shell/treeview/TreePaneFixture.h"
#include "textarea/CIEditView.h"

namespace textarea_test {

class TextAreaTest : public treepane_test::TreePaneTest {
 protected:
  void SetUp() override {
    TreePaneTest::SetUp();
    if (IsSkipped()) return;
    ASSERT_TRUE(CWrila::RegisterControlLibrary());
  }
  // The text pane of an outline of one item holding the text.
  CIEditView* OpenPane(const std::string& text, const char* title = "top",
                       const std::function<void(ATREE&)>& more = nullptr) {
    CKestavonDoc* doc = OpenOutline({title}, [&](ATREE& tree) {
      tree.SetText(0, text.c_str());
      if (more) more(tree);
    });
    if (!doc) return nullptr;
    for (CView* view : doc->GetViews())
      if (auto* pane = dynamic_cast<CIEditView*>(view)) return pane;
    return nullptr;
  }
  static void SendTo(CIEditView* pane, int command) {
    wxCommandEvent event(wxEVT_MENU, command);
    pane->ProcessWindowEvent(event);
  }
};

}  // namespace textarea_test
