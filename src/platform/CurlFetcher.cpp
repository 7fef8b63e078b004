#include "platform/CurlFetcher.h"

#include <curl/curl.h>
#include <openssl/evp.h>

#include <memory>

namespace n63k {
namespace {

constexpr long kConnectTimeoutS = 10;
constexpr long kStallTimeoutS = 15;
constexpr long kMaxRedirects = 5;

struct Transfer {
  std::size_t maxBytes;
  const std::atomic<bool>& stop;
  std::vector<std::uint8_t> body;
  EVP_MD_CTX* digest;
  bool tooLarge = false;
};

std::size_t Receive(char* data, std::size_t size, std::size_t count, void* user) {
  auto& transfer = *static_cast<Transfer*>(user);
  const std::size_t bytes = size * count;
  if (transfer.body.size() + bytes > transfer.maxBytes) {
    transfer.tooLarge = true;
    return CURL_WRITEFUNC_ERROR;
  }
  transfer.body.insert(transfer.body.end(), data, data + bytes);
  EVP_DigestUpdate(transfer.digest, data, bytes);
  return bytes;
}

std::string LowerHex(const unsigned char* bytes, unsigned int size) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  for (unsigned int i = 0; i < size; ++i) {
    text += kDigits[bytes[i] >> 4];
    text += kDigits[bytes[i] & 0xf];
  }
  return text;
}

int Progress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  return static_cast<Transfer*>(user)->stop ? 1 : 0;
}

}  // namespace

CurlFetcher::CurlFetcher() {
  curl_global_init(CURL_GLOBAL_DEFAULT);
}

CurlFetcher::~CurlFetcher() {
  curl_global_cleanup();
}

FetchResult CurlFetcher::Fetch(const std::string& url, std::size_t maxBytes,
                               const std::atomic<bool>& stop) {
  FetchResult result;
  const std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(),
                                                                 &curl_easy_cleanup);
  const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> digest(EVP_MD_CTX_new(),
                                                                       &EVP_MD_CTX_free);
  if (curl == nullptr || digest == nullptr ||
      EVP_DigestInit_ex(digest.get(), EVP_sha256(), nullptr) != 1) {
    result.detail = "the HTTP client could not be set up";
    return result;
  }
  Transfer transfer{maxBytes, stop, {}, digest.get()};
  char error[CURL_ERROR_SIZE] = {};
  CURL* handle = curl.get();
  curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
  curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(handle, CURLOPT_MAXREDIRS, kMaxRedirects);
  curl_easy_setopt(handle, CURLOPT_FAILONERROR, 1L);
  curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutS);
  curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, kStallTimeoutS);
  curl_easy_setopt(handle, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(maxBytes));
  curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &Receive);
  curl_easy_setopt(handle, CURLOPT_WRITEDATA, &transfer);
  curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, &Progress);
  curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &transfer);
  curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, error);

  const CURLcode code = curl_easy_perform(handle);
  if (stop) {
    result.status = FetchStatus::kStopped;
    result.detail = "stopped";
    return result;
  }
  // An error page says more than its length.
  long status = 0;
  curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
  if (status != 0 && (status < 200 || status > 299)) {
    result.detail = "HTTP status " + std::to_string(status);
    return result;
  }
  if (transfer.tooLarge || code == CURLE_FILESIZE_EXCEEDED) {
    result.status = FetchStatus::kTooLarge;
    result.detail = "larger than " + std::to_string(maxBytes) + " bytes";
    return result;
  }
  if (code != CURLE_OK) {
    result.detail = error[0] != '\0' ? std::string(error) : curl_easy_strerror(code);
    return result;
  }
  unsigned char hash[EVP_MAX_MD_SIZE];
  unsigned int hashSize = 0;
  EVP_DigestFinal_ex(digest.get(), hash, &hashSize);
  result.status = FetchStatus::kOk;
  result.body = std::move(transfer.body);
  result.sha256 = LowerHex(hash, hashSize);
  return result;
}

}  // namespace n63k
