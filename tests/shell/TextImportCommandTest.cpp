// The text-import command of the File menu's import entries: it is offered whether or not an
// outline is open.
#include <wx/menu.h>

#include "resources/CommandIds.h"
#include "tests/shell/AppFixture.h"

namespace app_test {
namespace {

bool MenuEnabled(CMainFrame* frame, int id) {
  wxMenu menu;
  wxUpdateUIEvent event(id);
  event.SetEventObject(&menu);
  frame->GetEventHandler()->ProcessEvent(event);
  return !event.GetSetEnabled() || event.GetEnabled();
}

TEST_F(AppTest, TextImportIsOfferedWithAndWithoutAnOutline) {
  ASSERT_TRUE(Start());
  EXPECT_TRUE(MenuEnabled(Frame(), ID_FILE_IMPORT_TEXT));
  ASSERT_NE(m_app->OpenDocumentFile(SampleCopy("trip.kvn").c_str()), nullptr);
  EXPECT_TRUE(MenuEnabled(Frame(), ID_FILE_IMPORT_TEXT));
}

}  // namespace
}  // namespace app_test
