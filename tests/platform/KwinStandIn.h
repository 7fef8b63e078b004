#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace n63k::test {

// The KWin stand-in program on a private session bus of its own
// (dbus-run-session), stopped with the object. `devices` are its arguments,
// "SYSNAME:KIND[:noflat|:refuse]".
class KwinStandIn {
 public:
  explicit KwinStandIn(const std::vector<std::string>& devices);
  ~KwinStandIn();
  KwinStandIn(const KwinStandIn&) = delete;
  KwinStandIn& operator=(const KwinStandIn&) = delete;

  // The private bus, empty when the stand-in did not start.
  const std::string& address() const { return address_; }

  // The lines the stand-in printed since the last call, waiting up to a few
  // seconds for `until` when it is given.
  std::vector<std::string> Lines(const std::string& until = {});

 private:
  bool ReadLine(std::string& line, int timeoutMs);

  pid_t pid_ = -1;
  int input_ = -1;
  int output_ = -1;
  std::string pending_;
  std::string address_;
};

}  // namespace n63k::test
