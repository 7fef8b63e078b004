#pragma once

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

namespace n63k::test {

// An HTTP server on 127.0.0.1 for one test: answers each path from a table,
// after a pause when the entry asks for one, one connection at a time.
class LocalHttpServer {
 public:
  struct Answer {
    // A constructor rather than an aggregate: GCC 12 at -O3 takes the members
    // of nested aggregate temporaries in a test table for uninitialised.
    Answer() = default;
    Answer(int answerStatus, std::string answerBody, int answerDelayMs = 0)
        : status(answerStatus), body(std::move(answerBody)), delayMs(answerDelayMs) {}

    int status = 200;
    std::string body;
    int delayMs = 0;
  };

  LocalHttpServer() {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        ::listen(listener_, 8) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
      return;
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }

  ~LocalHttpServer() {
    {
      const std::lock_guard lock(mutex_);
      stop_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) {
      thread_.join();
    }
    ::close(listener_);
  }

  LocalHttpServer(const LocalHttpServer&) = delete;
  LocalHttpServer& operator=(const LocalHttpServer&) = delete;

  void Set(const std::string& path, Answer answer) {
    const std::lock_guard lock(mutex_);
    answers_[path] = std::move(answer);
  }

  // The address of `path` on this server.
  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
  }

  int Requests() const { return requests_; }

 private:
  void Serve() {
    for (;;) {
      pollfd waiting{listener_, POLLIN, 0};
      if (::poll(&waiting, 1, 50) <= 0) {
        const std::lock_guard lock(mutex_);
        if (stop_) {
          return;
        }
        continue;
      }
      const int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
      if (client < 0) {
        continue;
      }
      Reply(client);
      ::close(client);
    }
  }

  void Reply(int client) {
    std::string request;
    char buffer[2048];
    while (request.find("\r\n\r\n") == std::string::npos) {
      const ssize_t got = ::recv(client, buffer, sizeof buffer, 0);
      if (got <= 0) {
        return;
      }
      request.append(buffer, static_cast<std::size_t>(got));
    }
    ++requests_;
    const std::size_t start = request.find(' ') + 1;
    const std::string path = request.substr(start, request.find(' ', start) - start);
    Answer answer{404, "not here", 0};
    {
      std::unique_lock lock(mutex_);
      if (const auto found = answers_.find(path); found != answers_.end()) {
        answer = found->second;
      }
      if (wake_.wait_for(lock, std::chrono::milliseconds(answer.delayMs),
                         [this] { return stop_; })) {
        return;
      }
    }
    const std::string reply = "HTTP/1.1 " + std::to_string(answer.status) +
                              " Answer\r\nContent-Length: " + std::to_string(answer.body.size()) +
                              "\r\nConnection: close\r\n\r\n" + answer.body;
    for (std::size_t sent = 0; sent < reply.size();) {
      const ssize_t n = ::send(client, reply.data() + sent, reply.size() - sent, MSG_NOSIGNAL);
      if (n <= 0) {
        return;
      }
      sent += static_cast<std::size_t>(n);
    }
  }

  int listener_ = -1;
  std::uint16_t port_ = 0;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::map<std::string, Answer> answers_;
  bool stop_ = false;
  std::atomic<int> requests_{0};
  std::thread thread_;
};

}  // namespace n63k::test
