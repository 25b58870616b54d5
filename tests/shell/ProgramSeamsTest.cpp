// The program object fills every seam through which a lower layer reaches a higher one, for as long
// as it runs, and does at idle time what no lower layer may reach up for.
#include <string>
#include <typeinfo>
#include <vector>

#include "app/CPaneLinks.h"
#include "app/NetDocumentService.h"
#include "app/ProgramDialogs.h"
#include "app/RunningBrowser.h"
#include "model/ModelPrompts.h"
#include "model/OutlineReaders.h"
#include "platform/framework/CMDIChildWnd.h"
#include "platform/base/CodePage.h"
#include "tests/shell/AppFixture.h"
#include "textarea/CIEditView.h"
#include "textarea/TextPaneTools.h"
#include "treeview/OutlineTextOutput.h"
#include "views/PreviewArticles.h"

namespace app_test {
namespace {

// The interfaces of the list that have an implementation installed, by their type names.
template <class... Interfaces>
std::vector<std::string> Filled() {
  std::vector<std::string> filled;
  auto note = [&filled](const void* installed, const char* name) {
    if (installed) filled.emplace_back(name);
  };
  (note(Seam<Interfaces>::Get(), typeid(Interfaces).name()), ...);
  return filled;
}

std::vector<std::string> FilledSeams() {
  return Filled<IModelPrompts, IOutlineReaders, INetDocumentService, IPaneLinks, IOutlineWindows, IRunningBrowser,
                IDatePicker, ISaveAsChooser, ICalculator, ITreePicker, ISpellChecker, IOutlineTextOutput,
                IPreviewArticles>();
}

TEST_F(AppTest, TheProgramFillsEverySeamWhileItLivesAndTakesThemBackAtItsEnd) {
  const std::vector<std::string> before = FilledSeams();
  ASSERT_TRUE(Start({SampleCopy("a.kvn")}));
  const std::vector<std::string> running = FilledSeams();
  EXPECT_EQ(running.size(), 13u) << testing::PrintToString(running);
  Stop();
  EXPECT_EQ(FilledSeams(), before);
}

TEST_F(AppTest, AtIdleTimeTheStatusBarShowsWhereTheCaretOfTheActiveTextPaneStands) {
  ASSERT_TRUE(Start({SampleCopy("a.kvn")}));
  CKestavonDoc* doc = Documents().front();
  CIEditView* text = nullptr;
  for (CView* view : doc->GetViews())
    if (!text) text = dynamic_cast<CIEditView*>(view);
  ASSERT_NE(text, nullptr);
  TypeOver(doc, "a\r\nbc");
  text->GetEditCtrl().SetSel(5, 5);
  Frame()->MDIGetActive()->SetActiveView(text);
  m_app->OnIdle(0);
  EXPECT_EQ(WxToCP932(Frame()->GetStatusBar()->GetStatusText(1)).str(), "03:02");
}

}  // namespace
}  // namespace app_test
