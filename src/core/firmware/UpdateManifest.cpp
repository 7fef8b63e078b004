#include "core/firmware/UpdateManifest.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "core/base/Files.h"
#include "core/i18n/LanguageFile.h"
#include "core/xml/XmlDocument.h"

namespace n63k {
namespace {

constexpr std::size_t kMaxManifestFile = 64 * 1024;

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string Trimmed(std::string text) {
  const auto first = std::find_if_not(text.begin(), text.end(), IsSpace);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), IsSpace).base();
  return first < last ? std::string(first, last) : std::string();
}

UpdateManifest ReadFields(XmlDocument& document) {
  UpdateManifest manifest;
  manifest.current = ManifestNumber(GetSectionText(document, "firmware", "current"));
  manifest.imageUrl = Trimmed(GetSectionText(document, "firmware", "newfile"));
  manifest.sha256 = Trimmed(GetSectionText(document, "firmware", "sha256"));
  std::ranges::transform(manifest.sha256, manifest.sha256.begin(),
                         [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return manifest;
}

}  // namespace

std::uint32_t ManifestNumber(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && IsSpace(text[at])) {
    ++at;
  }
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }
  std::uint64_t value = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    value = value * 10 + static_cast<std::uint64_t>(text[at] - '0');
    if (value > std::numeric_limits<std::uint32_t>::max()) {
      return 0;
    }
  }
  return negative ? 0 : static_cast<std::uint32_t>(value);
}

UpdateManifest ReadUpdateManifest(std::span<const std::uint8_t> bytes) {
  XmlDocument document;
  document.LoadFile(bytes);
  return ReadFields(document);
}

UpdateManifest ReadUpdateManifest(const std::filesystem::path& path) {
  std::vector<std::uint8_t> bytes;
  if (ReadFileBytes(path, bytes, kMaxManifestFile) != FileError::kNone) {
    return {};
  }
  return ReadUpdateManifest(bytes);
}

}  // namespace n63k
