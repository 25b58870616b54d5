#include "tests/shell/AppFixture.h"

#include <wx/app.h>
#include <wx/dialog.h>

#include <cstdlib>
#include <filesystem>

#include "shell/CKestavonProgram.h"
#include "platform/framework/CDocTemplate.h"
#include "platform/desktop/MessageBox.h"
#include "platform/base/Places.h"
#include "platform/base/PrivateProfile.h"
#include "tests/common/TestSupport.h"
#include "textarea/CIEditView.h"

namespace app_test {

std::string Profile(const std::string& file, const char* section, const char* key) {
  char buffer[1024];
  GetPrivateProfileString(section, key, "", buffer, sizeof buffer, file.c_str());
  return buffer;
}

DialogAnswerer::DialogAnswerer(std::function<void(wxDialog&)> fill) : m_fill(std::move(fill)) {
  wxEvtHandler::AddFilter(this);
}

DialogAnswerer::~DialogAnswerer() { wxEvtHandler::RemoveFilter(this); }

int DialogAnswerer::FilterEvent(wxEvent& event) {
  auto* dialog = event.GetEventType() == wxEVT_INIT_DIALOG ? wxDynamicCast(event.GetEventObject(), wxDialog) : nullptr;
  if (dialog && !m_done) {
    m_done = true;
    dialog->CallAfter([dialog, fill = m_fill] {
      fill(*dialog);
      wxCommandEvent click(wxEVT_BUTTON, IDOK);
      click.SetEventObject(dialog->FindWindow(IDOK));
      dialog->FindWindow(IDOK)->GetEventHandler()->ProcessEvent(click);
    });
  }
  return Event_Skip;
}

void AppTest::SetUp() {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  m_dir = kesta_test::MakeTempDir("app");
  std::filesystem::create_directories(m_dir + "/bin");
  setenv("KESTA_PROGRAM_DIR", (m_dir + "/bin").c_str(), 1);
  // Every test starts as a user's first run: no settings or key file of the user's own yet.
  const std::string userFolder = std::string(GetProgramDataFolder());
  std::filesystem::create_directories(userFolder);
  m_conf = userFolder + "/kesta32.conf";
  m_keyFile = userFolder + "/kestavon.key";
  RemoveUserFiles();
}

void AppTest::TearDown() {
  Stop();
  unsetenv("KESTA_PROGRAM_DIR");
  RemoveUserFiles();
}

void AppTest::RemoveUserFiles() {
  std::filesystem::remove(m_conf);
  std::filesystem::remove(m_keyFile);
}

void AppTest::Setting(const char* section, const char* key, const char* value) {
  ASSERT_TRUE(WritePrivateProfileString(section, key, value, m_conf.c_str()));
}

bool AppTest::Start(const std::vector<std::string>& args) {
  m_app = std::make_unique<CKestavonProgram>();
  std::vector<CString> list(args.begin(), args.end());
  return m_app->Startup(list);
}

void AppTest::Stop() {
  if (!m_app) return;
  for (CKestavonDoc* doc : Documents()) doc->SetModifiedFlag(FALSE);
  if (m_app->m_pMainWnd) {
    m_app->CloseAllDocuments();
    m_app->m_pMainWnd->GetFrameWindow()->Destroy();
    m_app->m_pMainWnd = nullptr;
  }
  wxTheApp->ProcessIdle();
  m_app->Shutdown();
  m_app.reset();
}

std::string AppTest::MakeFile(const std::string& name, const std::string& bytes) {
  const std::string path = m_dir + "/" + name;
  kesta_test::WriteBytes(path, bytes);
  return path;
}

std::string AppTest::SampleCopy(const std::string& name) {
  return MakeFile(name, kesta_test::ReadBytes(kesta_test::FixturePath("../../samples/sample.kvn")));
}

void AppTest::TypeOver(CKestavonDoc* doc, const char* text) {
  for (CView* view : doc->GetViews()) {
    if (auto* pane = dynamic_cast<CIEditView*>(view)) {
      ASSERT_TRUE(pane->GetEditCtrl().HasControl());
      pane->GetEditCtrl().SetSel(0, -1);
      pane->GetEditCtrl().ReplaceSel(text);
      return;
    }
  }
  FAIL() << "no text pane";
}

std::vector<CKestavonDoc*> AppTest::Documents() const {
  std::vector<CKestavonDoc*> docs;
  if (!m_app || !m_app->m_pKestavonTemplate) return docs;
  for (CDocument* doc : m_app->m_pKestavonTemplate->GetDocuments()) docs.push_back(static_cast<CKestavonDoc*>(doc));
  return docs;
}

}  // namespace app_test
