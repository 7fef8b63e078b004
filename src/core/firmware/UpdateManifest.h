#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace n63k {

// What the maker's update.xml offers: under its root an element "firmware"
// with "current" (the newest version), "newfile" (the image's URL) and,
// optionally, "sha256" (the image's checksum).
struct UpdateManifest {
  std::uint32_t current = 0;
  std::string imageUrl;
  // Lower-case, as written; empty when the manifest gives none.
  std::string sha256;
};

// A manifest's version number: leading white space skipped, an optional
// sign, then decimal digits. Text without digits, a negative number or one
// beyond 32 bits gives 0, which never counts as newer: a broken manifest
// must not offer an update.
std::uint32_t ManifestNumber(std::string_view text);

// Reads the manifest's fields, well-formed or not; bytes that are no manifest
// give an empty one.
UpdateManifest ReadUpdateManifest(std::span<const std::uint8_t> bytes);
// The same from a file; a missing or unreadable file gives an empty one.
UpdateManifest ReadUpdateManifest(const std::filesystem::path& path);

// Whether the manifest offers firmware newer than the mouse's `installed`
// version (0 when the mouse did not tell it).
inline bool OffersNewer(const UpdateManifest& manifest, std::uint32_t installed) {
  return manifest.current > installed;
}

}  // namespace n63k
