// The main of every test program.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>

#include "platform/base/CodePage.h"
#include "platform/desktop/CommandIdRange.h"
#include "platform/desktop/MessageBox.h"
#include "platform/desktop/Shell.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// A private home for the run: settings, registry, runtime sockets and per-user data of the code under
// test all follow these variables, so no test reads or writes the real user's files.
std::filesystem::path MakePrivateRoot() {
  char tmpl[] = "/tmp/kesta-test-XXXXXX";
  const char* made = mkdtemp(tmpl);
  if (!made) std::abort();
  std::filesystem::path root(made);
  for (const char* sub : {"home", "config", "runtime", "tmp"}) std::filesystem::create_directories(root / sub);
  std::filesystem::permissions(root / "runtime", std::filesystem::perms::owner_all);
  setenv("HOME", (root / "home").c_str(), 1);
  setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
  setenv("XDG_DATA_HOME", (root / "home" / ".local" / "share").c_str(), 1);
  setenv("XDG_RUNTIME_DIR", (root / "runtime").c_str(), 1);
  setenv("TMPDIR", (root / "tmp").c_str(), 1);
  setenv("KESTA_TEST_ROOT", (root / "tmp").c_str(), 1);
  return root;
}

// What the desktop brings must not change what a test sees. The session bus is the private
// runtime's, where nothing listens: no test reaches the desktop's file manager or other services, and
// none starts a bus of its own (as GLib does through dbus-launch where that is installed). Pictures
// are compared pixel for pixel, so the display is not scaled up as a high-resolution desktop asks.
void IgnoreTheDesktop(const std::filesystem::path& root) {
  setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + (root / "runtime" / "bus").string()).c_str(), 1);
  setenv("GDK_SCALE", "1", 1);
  unsetenv("GDK_DPI_SCALE");
}

// A box that no test hook answers would wait for a click under the virtual display: the outermost
// hook answers it with its default button and fails the test that asked, so a test that expects a
// prompt installs its own ScopedMessageBoxHook.
int UnexpectedMessageBox(const MessageBoxCall& call) {
  ADD_FAILURE() << "unexpected message box: " << CP932ToUTF8(call.text.GetString());
  return DefaultMessageBoxResult(call.flags);
}

// wx would show an assertion in a dialog and wait; a test fails on it instead.
void FailOnAssert(const wxString& file, int line, const wxString& /*func*/, const wxString& cond,
                  const wxString& msg) {
  ADD_FAILURE() << "wx assertion " << cond.utf8_str().data() << " (" << msg.utf8_str().data() << ") at "
                << file.utf8_str().data() << ":" << line;
}

class TestApp : public wxApp {
 public:
  bool OnInit() override { return true; }
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  const std::filesystem::path root = MakePrivateRoot();
  IgnoreTheDesktop(root);

  // A display means GUI tests can run: start a real wx application on it. Without one, only wx's
  // base services are initialised and the headless tests still run.
  bool gui = false;
  if (std::getenv("DISPLAY") != nullptr) {
    wxApp::SetInstance(new TestApp);
    gui = wxEntryStart(argc, argv) && wxTheApp->CallOnInit();
  }
  if (!gui) wxInitialize();

  SetUnfilteredAssertHandler(&FailOnAssert);
  int result = 0;
  {
    ScopedMessageBoxHook unexpected(&UnexpectedMessageBox);
    // No test starts the desktop's opener, and every test sees the machine without one unless it
    // puts a stand-in of its own in scope.
    ScopedShellOpener noOpener("");
    result = RUN_ALL_TESTS();
  }

  if (gui) {
    wxTheApp->OnExit();
    wxEntryCleanup();
  } else {
    wxUninitialize();
  }
  std::error_code ec;
  std::filesystem::remove_all(root, ec);
  return result;
}
