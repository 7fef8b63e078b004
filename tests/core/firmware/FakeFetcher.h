#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/firmware/HttpFetcher.h"

namespace n63k::test {

// Answers each URL from a table; an unknown URL fails as a refused
// connection would.
class FakeFetcher final : public HttpFetcher {
 public:
  FetchResult Fetch(const std::string& url, std::size_t maxBytes,
                    const std::atomic<bool>&) override {
    asked.push_back({url, maxBytes});
    if (const auto found = answers.find(url); found != answers.end()) {
      return found->second;
    }
    return {FetchStatus::kFailed, {}, {}, "Connection refused"};
  }

  static FetchResult Body(const std::string& text, std::string sha256 = "00ff") {
    return {FetchStatus::kOk, {text.begin(), text.end()}, std::move(sha256), {}};
  }

  struct Asked {
    std::string url;
    std::size_t maxBytes;
  };
  std::map<std::string, FetchResult> answers;
  std::vector<Asked> asked;
};

}  // namespace n63k::test
