#pragma once

#include <sys/types.h>

#include <string>

namespace n63k::test {

// An Xvfb server of the test's own, on a display number the server picks
// itself among the free ones; stopped with the object.
class XvfbServer {
 public:
  // `screen` is Xvfb's WIDTHxHEIGHTxDEPTH of screen 0.
  explicit XvfbServer(const std::string& screen = "640x480x24");
  ~XvfbServer();
  XvfbServer(const XvfbServer&) = delete;
  XvfbServer& operator=(const XvfbServer&) = delete;

  // ":N", or empty when the server did not start.
  const std::string& display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::string display_;
};

}  // namespace n63k::test
