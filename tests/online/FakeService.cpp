#include "tests/online/FakeService.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "platform/framework/CWinApp.h"
#include "tests/common/TestSupport.h"

extern char** environ;

namespace online_test {

namespace {

pid_t g_pid = 0;
int g_stdin = -1;

void StopFake() {
  if (g_pid <= 0) return;
  close(g_stdin);  // the fake ends when its input closes
  int status = 0;
  waitpid(g_pid, &status, 0);
  g_pid = 0;
}

}  // namespace

FakeService& FakeService::Get() {
  static FakeService service;
  return service;
}

FakeService::FakeService() : m_dir(kesta_test::MakeTempDir("fake-service")) {
  const std::string script = kesta_test::FixturePath("../online/fake_service.py");
  const std::string cert = CertificatePath();
  const std::string key = kesta_test::FixturePath("online/key.pem");
  int toChild[2], fromChild[2];
  if (pipe(toChild) != 0 || pipe(fromChild) != 0) throw std::runtime_error("pipe");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, toChild[0], 0);
  posix_spawn_file_actions_adddup2(&actions, fromChild[1], 1);
  posix_spawn_file_actions_addclose(&actions, toChild[1]);
  posix_spawn_file_actions_addclose(&actions, fromChild[0]);
  std::string python = "python3";
  char* argv[] = {python.data(), const_cast<char*>(script.c_str()), m_dir.data(),
                  const_cast<char*>(kPassword), const_cast<char*>(cert.c_str()), const_cast<char*>(key.c_str()), nullptr};
  if (posix_spawnp(&g_pid, "python3", &actions, nullptr, argv, environ) != 0) throw std::runtime_error("spawn");
  posix_spawn_file_actions_destroy(&actions);
  close(toChild[0]);
  close(fromChild[1]);
  g_stdin = toChild[1];
  FILE* out = fdopen(fromChild[0], "r");
  if (!out || std::fscanf(out, "PORTS %d %d", &m_httpPort, &m_httpsPort) != 2)
    throw std::runtime_error("the fake service did not start");
  std::fclose(out);
  std::atexit(StopFake);
  // The loopback address never goes through a proxy that the environment may name.
  setenv("no_proxy", "127.0.0.1,localhost", 1);
  setenv("NO_PROXY", "127.0.0.1,localhost", 1);
  SetDownloadBody("");
}

void FakeService::SetScenario(const std::string& word) const { kesta_test::WriteBytes(m_dir + "/scenario", word); }

std::string FakeService::LastRequest(const std::string& endpoint) const {
  return kesta_test::ReadBytes(m_dir + "/last-" + endpoint + ".raw");
}

void FakeService::SetDownloadBody(const std::string& bytes) const { kesta_test::WriteBytes(m_dir + "/download.kvn", bytes); }

std::string FakeService::HttpBase() const { return "http://127.0.0.1:" + std::to_string(m_httpPort) + "/"; }

std::string FakeService::HttpsBase() const { return "https://127.0.0.1:" + std::to_string(m_httpsPort) + "/"; }

std::string FakeService::CertificatePath() const { return kesta_test::FixturePath("online/cert.pem"); }

void FakeService::Configure() const {
  AfxWriteProfileString("Net", "RequestSite", HttpBase().c_str());
  AfxWriteProfileString("Net", "TransferSite", HttpBase().c_str());
}

}  // namespace online_test
