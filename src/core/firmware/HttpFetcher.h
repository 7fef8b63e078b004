#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace n63k {

// How a fetch ended.
enum class FetchStatus {
  kOk,        // a success status and the whole body
  kFailed,    // no connection, a time-out, an error status or a cut transfer
  kTooLarge,  // the body is longer than was allowed
  kStopped,   // the program is ending
};

struct FetchResult {
  FetchStatus status = FetchStatus::kFailed;
  std::vector<std::uint8_t> body;
  // The body's SHA-256 in lower-case hexadecimal, after a complete transfer.
  std::string sha256;
  // Why it failed, in plain words.
  std::string detail;
};

// Fetches a URL over HTTP or HTTPS; the platform does it with libcurl, tests
// answer from a table.
class HttpFetcher {
 public:
  virtual ~HttpFetcher() = default;
  // Blocks until the transfer ends; bounded by connection and transfer
  // time-outs, and returns soon after `stop` becomes true.
  virtual FetchResult Fetch(const std::string& url, std::size_t maxBytes,
                            const std::atomic<bool>& stop) = 0;
};

}  // namespace n63k
