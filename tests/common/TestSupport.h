#pragma once
// Helpers shared by the test programs.
#include <functional>
#include <string>

#include "platform/base/CString.h"

namespace kesta_test {

// Folder of the small sample files under tests/fixtures.
std::string FixturePath(const std::string& name);

// A fresh empty folder below the test program's private temp folder; removed at program exit.
std::string MakeTempDir(const std::string& hint);

// Whole file as bytes, and the other way round.
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

// Gives a variable (a process-wide knob) a value while the guard lives, and its old value back.
template <typename T>
class ScopedValue {
 public:
  ScopedValue(T& variable, T value) : m_variable(variable), m_saved(variable) { m_variable = value; }
  ~ScopedValue() { m_variable = m_saved; }
  ScopedValue(const ScopedValue&) = delete;
  ScopedValue& operator=(const ScopedValue&) = delete;

 private:
  T& m_variable;
  T m_saved;
};

// Names a settings file as the running application's while it lives, for code that reads its
// settings through the application (a stand-in application object, pushed and popped).
class ScopedSettingsFile {
 public:
  explicit ScopedSettingsFile(const std::string& path);
  ~ScopedSettingsFile();
  ScopedSettingsFile(const ScopedSettingsFile&) = delete;
  ScopedSettingsFile& operator=(const ScopedSettingsFile&) = delete;

 private:
  struct App;
  App* m_app;
};

// Makes a FIFO at path (a reader that opens it waits for a writer that never comes).
void MakeFifo(const std::string& path);
// Whether work, run in a child process, ends within a few seconds: a reader that would wait for
// ever fails the test instead of holding it. The child must not draw (it shares the display).
bool EndsAtOnce(const std::function<void()>& work);

// True when a wx GUI application runs (a display was available at start).
bool HasGui();

// Runs the event loop until done says so (for what another process or a web engine does in its
// own time); what never happens fails the caller's test after a minute instead of hanging it.
bool RunUntil(const std::function<bool()>& done);

// While it lives, the registry is one of its own, in a fresh settings folder; the previous one
// comes back after.
class ScopedPrivateRegistry {
 public:
  ScopedPrivateRegistry();
  ~ScopedPrivateRegistry();
  ScopedPrivateRegistry(const ScopedPrivateRegistry&) = delete;
  ScopedPrivateRegistry& operator=(const ScopedPrivateRegistry&) = delete;

 private:
  std::string m_savedConfig;
};

// A string value under the class keys: "(missing)" without the key, "(no value)" without the value.
CString ClassesValue(const char* subKey, const char* name = nullptr);

}  // namespace kesta_test
