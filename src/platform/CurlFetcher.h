#pragma once

#include "core/firmware/HttpFetcher.h"

namespace n63k {

// HTTP and HTTPS through libcurl, following redirects to http or https only.
// A server that does not connect within 10 s, or sends nothing for 15 s,
// fails the fetch; `stop` is looked at several times a second.
class CurlFetcher final : public HttpFetcher {
 public:
  CurlFetcher();
  ~CurlFetcher() override;
  CurlFetcher(const CurlFetcher&) = delete;
  CurlFetcher& operator=(const CurlFetcher&) = delete;

  FetchResult Fetch(const std::string& url, std::size_t maxBytes,
                    const std::atomic<bool>& stop) override;
};

}  // namespace n63k
