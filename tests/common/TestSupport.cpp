#include "tests/common/TestSupport.h"

#include "platform/com/CRegKey.h"
#include "platform/framework/CWinApp.h"
#include "platform/com/Registry.h"

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/timer.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace kesta_test {

struct ScopedSettingsFile::App : CWinApp {};

ScopedSettingsFile::ScopedSettingsFile(const std::string& path) : m_app(new App) {
  m_app->m_pszProfileName = path.c_str();
}

ScopedSettingsFile::~ScopedSettingsFile() { delete m_app; }

std::string FixturePath(const std::string& name) {
  const char* dir = std::getenv("KESTA_FIXTURES");
  return std::string(dir ? dir : KESTA_FIXTURES) + "/" + name;
}

std::string MakeTempDir(const std::string& hint) {
  static int counter = 0;
  const char* root = std::getenv("KESTA_TEST_ROOT");
  std::filesystem::path dir = std::filesystem::path(root ? root : "/tmp") /
                              ("t" + std::to_string(++counter) + "-" + hint);
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir.string();
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

bool HasGui() {
  // Through the console base: without a display the instance is wx's console stand-in, not a wxApp.
  const wxAppConsole* app = wxAppConsole::GetInstance();
  return app != nullptr && app->IsGUI();
}

ScopedPrivateRegistry::ScopedPrivateRegistry() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  m_savedConfig = config ? config : "";
  setenv("XDG_CONFIG_HOME", MakeTempDir("registry").c_str(), 1);
  RegistryDiscardCache();
}

ScopedPrivateRegistry::~ScopedPrivateRegistry() {
  setenv("XDG_CONFIG_HOME", m_savedConfig.c_str(), 1);
  RegistryDiscardCache();
}

CString ClassesValue(const char* subKey, const char* name) {
  CRegKey key;
  if (key.Open(HKEY_CLASSES_ROOT, subKey, KEY_READ) != ERROR_SUCCESS) return "(missing)";
  char value[512];
  ULONG chars = sizeof value;
  if (key.QueryStringValue(name, value, &chars) != ERROR_SUCCESS) return "(no value)";
  return value;
}

void MakeFifo(const std::string& path) {
  if (mkfifo(path.c_str(), 0600) != 0) throw std::runtime_error("cannot make the FIFO " + path);
}

bool EndsAtOnce(const std::function<void()>& work) {
  const pid_t child = fork();
  if (child == 0) {
    alarm(10);
    work();
    _exit(0);
  }
  int status = 0;
  return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool RunUntil(const std::function<bool()>& done) {
  wxGUIEventLoop loop;
  wxTimer check;
  check.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
    if (done()) loop.Exit();
  });
  check.Start(20);
  wxTimer guard;
  guard.Bind(wxEVT_TIMER, [&](wxTimerEvent&) { loop.Exit(); });
  guard.StartOnce(60000);
  loop.Run();
  return done();
}

}  // namespace kesta_test
