#pragma once
// The fake web file service of tests/online/fake_service.py, started once for the test program
// on the loopback interface, with plain HTTP and HTTPS ports.
#include <string>

namespace online_test {

class FakeService {
 public:
  static constexpr const char* kPassword = "secret";
  static constexpr const char* kMail = "a@example.jp";

  // Starts the fake when it does not run yet; the same one serves every test.
  static FakeService& Get();

  // The scenario word that chooses the fake's next replies ("" for the ordinary ones).
  void SetScenario(const std::string& word) const;
  // The last request to the endpoint ("kvnfile.php", "kvnupload", ...), as the fake received it.
  std::string LastRequest(const std::string& endpoint) const;
  // The body that the download endpoint sends.
  void SetDownloadBody(const std::string& bytes) const;
  std::string HttpBase() const;   // "http://127.0.0.1:<port>/"
  std::string HttpsBase() const;  // "https://127.0.0.1:<port>/"
  std::string CertificatePath() const;
  // Makes the request and transfer sites of the settings point at the fake (plain HTTP).
  void Configure() const;

 private:
  FakeService();
  std::string m_dir;
  int m_httpPort = 0;
  int m_httpsPort = 0;
};

}  // namespace online_test
