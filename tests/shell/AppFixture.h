#pragma once
// The whole application started as the program starts, from a private program folder, with the
// user's settings file (which the test may write first) in the per-user folder.
#include <gtest/gtest.h>
#include <wx/eventfilter.h>

#include <functional>

#include <memory>
#include <string>
#include <vector>

#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "shell/CMainFrame.h"

class wxDialog;

namespace app_test {

// A value of a settings file as it stands on disk; "" when absent.
std::string Profile(const std::string& file, const char* section, const char* key);

// Answers the first dialog that comes up while it lives: fills it once it is shown, then presses
// its OK button, as a user would.
class DialogAnswerer : public wxEventFilter {
 public:
  explicit DialogAnswerer(std::function<void(wxDialog&)> fill);
  ~DialogAnswerer() override;
  int FilterEvent(wxEvent& event) override;
  bool m_done = false;

 private:
  std::function<void(wxDialog&)> m_fill;
};

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // A setting of the user's settings file, before the start.
  void Setting(const char* section, const char* key, const char* value);
  // Starts the application with the arguments; false when start-up ended the program.
  bool Start(const std::vector<std::string>& args = {});
  // Ends the run as the program does after its main loop: frames gone, ExitInstance.
  void Stop();
  // A copy of the sample outline (or the given bytes) in the test folder.
  std::string MakeFile(const std::string& name, const std::string& bytes);
  std::string SampleCopy(const std::string& name);
  std::vector<CKestavonDoc*> Documents() const;
  // Replaces the text of the document's text pane, as a user typing over it would.
  static void TypeOver(CKestavonDoc* doc, const char* text);
  CMainFrame* Frame() const { return static_cast<CMainFrame*>(m_app->m_pMainWnd); }

  std::unique_ptr<CKestavonApp> m_app;
  std::string m_dir;
  std::string m_conf;     // the user's settings file
  std::string m_keyFile;  // the user's key file

 private:
  void RemoveUserFiles();
};

}  // namespace app_test
