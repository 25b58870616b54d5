#include "tests/platform/FrameworkFixture.h"

namespace framework_test {

wxBEGIN_EVENT_TABLE(TestDoc, CDocument)
  EVT_MENU(kDocCommand, TestDoc::OnDocCommand)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(TestView, CView)
  EVT_MENU(kViewCommand, TestView::OnViewCommand)
  EVT_MENU(kEverywhereCommand, TestView::OnViewCommand)
  EVT_UPDATE_UI(kDisabledCommand, TestView::OnUpdateDisabled)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(TestChild, CMDIChildWnd)
  EVT_MENU(kChildCommand, TestChild::OnChildCommand)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(TestMainFrame, CMDIFrameWnd)
  EVT_MENU(kMainCommand, TestMainFrame::OnMainCommand)
  EVT_MENU(kEverywhereCommand, TestMainFrame::OnMainCommand)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(TestApp, CWinApp)
  EVT_MENU(kAppCommand, TestApp::OnAppCommand)
wxEND_EVENT_TABLE()

PromptAnswers::PromptAnswers(std::vector<int> answers)
    : m_answers(std::move(answers)), m_hook([this](const MessageBoxCall&) {
        if (m_answers.empty()) return IDCANCEL;
        const int answer = m_answers.front();
        m_answers.erase(m_answers.begin());
        return answer;
      }) {}

std::vector<std::string> PromptAnswers::Asked() const {
  std::vector<std::string> texts;
  for (const MessageBoxCall& call : m_hook.Calls()) texts.emplace_back(call.text);
  return texts;
}

void FrameworkTest::SetUp() {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  Handled().clear();
  m_dir = kesta_test::MakeTempDir("framework");
  m_app = std::make_unique<TestApp>();
  m_frame = new TestMainFrame;  // owned by wx once created
  ASSERT_TRUE(m_frame->LoadFrame(2));
  m_app->m_pMainWnd = m_frame;
  m_frame->SetClientSize(800, 600);
  m_frame->Layout();
  m_frame->Show();
  m_template = m_app->AddDocTemplate(std::make_unique<CMultiDocTemplate>(
      3, "\nTest\nTest document\nTest files (*.tst)\n.tst\nTestType\nTest type", RuntimeClass<TestDoc>(),
      RuntimeClass<TestChild>(), RuntimeClass<TestView>()));
}

void FrameworkTest::TearDown() {
  if (!m_app) return;
  // No prompts on the way out: nothing is modified any more.
  for (CDocument* doc : m_template->GetDocuments()) doc->SetModifiedFlag(FALSE);
  if (m_app->m_pMainWnd) m_frame->Destroy();
  wxTheApp->ProcessIdle();  // deletes the frame
  m_app.reset();
}

std::string FrameworkTest::MakeFile(const std::string& name, const std::string& text) {
  const std::string path = m_dir + "/" + name;
  kesta_test::WriteBytes(path, text);
  return path;
}

}  // namespace framework_test
