#pragma once
// An HTTP server on the loopback interface, on a thread of the test program, that answers each
// request in the manner the test chooses: whole, trickling, silent or cut short. It serves one
// connection at a time, as the client makes one transfer at a time, and closes it after the answer.
#include <functional>
#include <string>
#include <thread>

namespace online_test {

class LocalServer {
 public:
  struct Request {
    std::string path;  // "/kvn/kvnfile.php", ...
    std::string body;
  };
  enum class Manner {
    Whole,     // the answer at once
    Trickle,   // the answer, headers included, in pieces of pieceBytes every pauseMs
    Silent,    // nothing, until the client goes away
    Cut,       // the headers announce the whole body, half of it comes, the connection closes
  };
  struct Answer {
    Manner manner = Manner::Whole;
    std::string body;
    std::string contentType = "text/xml";
    int status = 200;
    size_t pieceBytes = 1;
    int pauseMs = 100;
  };
  using Handler = std::function<Answer(const Request&)>;

  explicit LocalServer(Handler handler);
  ~LocalServer();
  LocalServer(const LocalServer&) = delete;
  LocalServer& operator=(const LocalServer&) = delete;

  std::string Base() const;  // "http://127.0.0.1:<port>/"

 private:
  void Serve();
  void Reply(int connection, const Answer& answer);
  // Waits up to ms (forever when negative) for the peer to close; true when it has, or the server stops.
  bool PeerGone(int connection, int ms);

  Handler m_handler;
  int m_listen = -1;
  int m_stop[2] = {-1, -1};
  int m_port = 0;
  std::thread m_thread;
};

}  // namespace online_test
