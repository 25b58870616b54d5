#pragma once
// A small application on the document/view framework, shared by the framework's tests: a text
// document, a view, a child frame, a main frame and the application, each recording what reached it.
#include <gtest/gtest.h>
#include <wx/app.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/framework/CDocTemplate.h"
#include "platform/framework/CDocument.h"
#include "platform/framework/CMDIChildWnd.h"
#include "platform/framework/CMDIFrameWnd.h"
#include "platform/framework/CView.h"
#include "platform/framework/CWinApp.h"
#include "platform/desktop/MessageBox.h"
#include "tests/common/TestSupport.h"

namespace framework_test {

// Commands that each level of the route handles.
enum : int {
  kViewCommand = 0x8101,
  kDocCommand = 0x8102,
  kChildCommand = 0x8103,
  kMainCommand = 0x8104,
  kAppCommand = 0x8105,
  kDisabledCommand = 0x8106,  // its update handler in the view disables it
  kEverywhereCommand = 0x8107,  // handled by the view and by the main frame
};

// Who handled the last command, by name.
inline std::vector<std::string>& Handled() {
  static std::vector<std::string> log;
  return log;
}

class TestDoc : public CDocument {
 public:
  std::string m_text;
  // A missing file fails to open, as a reader would report.
  BOOL OnOpenDocument(const char* path) override {
    if (!std::filesystem::exists(path)) return FALSE;
    m_text = kesta_test::ReadBytes(path);
    return CDocument::OnOpenDocument(path);
  }
  BOOL OnSaveDocument(const char* path) override {
    kesta_test::WriteBytes(path, m_text);
    return CDocument::OnSaveDocument(path);
  }

 private:
  void OnDocCommand(wxCommandEvent&) { Handled().push_back("doc:" + std::string(GetTitle())); }
  wxDECLARE_EVENT_TABLE();
};

class TestView : public CView {
 public:
  int m_initialUpdates = 0;
  std::vector<LPARAM> m_hints;
  void OnInitialUpdate() override {
    ++m_initialUpdates;
    CView::OnInitialUpdate();
  }
  void OnUpdate(CView* sender, LPARAM hint, CObject* object) override {
    m_hints.push_back(hint);
    m_lastSender = sender;
    m_lastObject = object;
    CView::OnUpdate(sender, hint, object);
  }
  CView* m_lastSender = nullptr;
  CObject* m_lastObject = nullptr;

 private:
  void OnViewCommand(wxCommandEvent&) { Handled().push_back("view:" + std::string(GetDocument()->GetTitle())); }
  void OnUpdateDisabled(wxUpdateUIEvent& event) { event.Enable(false); }
  wxDECLARE_EVENT_TABLE();
};

class TestChild : public CMDIChildWnd {
 private:
  void OnChildCommand(wxCommandEvent&) { Handled().push_back("child"); }
  wxDECLARE_EVENT_TABLE();
};

class TestMainFrame : public CMDIFrameWnd {
 public:
  std::vector<MSG> m_keys;
  BOOL m_consumeKeys = FALSE;
  BOOL PreTranslateMessage(MSG* msg) override {
    m_keys.push_back(*msg);
    m_ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    m_shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    return m_consumeKeys || CMDIFrameWnd::PreTranslateMessage(msg);
  }
  bool m_ctrl = false;
  bool m_shift = false;

 private:
  void OnMainCommand(wxCommandEvent&) { Handled().push_back("main"); }
  wxDECLARE_EVENT_TABLE();
};

class TestApp : public CWinApp {
 public:
  TestApp() : CWinApp("TestApp") {}

 private:
  void OnAppCommand(wxCommandEvent&) { Handled().push_back("app"); }
  wxDECLARE_EVENT_TABLE();
};

// Answers every prompt with the next of the given answers (then Cancel) and records the texts.
class PromptAnswers {
 public:
  explicit PromptAnswers(std::vector<int> answers);
  std::vector<std::string> Asked() const;

 private:
  std::vector<int> m_answers;
  ScopedMessageBoxHook m_hook;
};

// An application with its main frame (800 x 600) and the test template.
class FrameworkTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // A file of the given content in the test's folder.
  std::string MakeFile(const std::string& name, const std::string& text);
  TestDoc* Open(const std::string& path) { return static_cast<TestDoc*>(m_app->OpenDocumentFile(path.c_str())); }
  static TestView* ViewOf(CDocument* doc) { return static_cast<TestView*>(doc->GetViews().front()); }
  static CMDIChildWnd* FrameOf(CDocument* doc) {
    return static_cast<CMDIChildWnd*>(doc->GetViews().front()->GetParentFrame());
  }
  void Command(int id) { m_frame->SendCommand(id); }
  // One more window on the document, as a new-window command makes it.
  CFrameWnd* OpenSecondFrame(CDocument* doc) {
    CFrameWnd* frame = m_template->CreateNewFrame(doc);
    if (frame) m_template->InitialUpdateFrame(frame, doc);
    return frame;
  }

  std::unique_ptr<TestApp> m_app;
  TestMainFrame* m_frame = nullptr;
  CDocTemplate* m_template = nullptr;
  std::string m_dir;
};

}  // namespace framework_test
