#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/UserMessages.h"

namespace n63k::test {

// A fresh folder under the system's temporary folder, removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& relative) const { return path_ / relative; }

 private:
  std::filesystem::path path_;
};

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
// Every file under `folder` (by path relative to it) with its bytes, but the
// data folder's lock file, which stays once any writer has run.
std::map<std::string, std::vector<std::uint8_t>> FolderContents(
    const std::filesystem::path& folder);
// The same for text files, byte for byte.
std::string ReadText(const std::filesystem::path& path);
void WriteText(const std::filesystem::path& path, std::string_view text);

// Makes a file or folder refuse writes while the object lives: immutable for
// root (whom permissions do not stop), read-only for anyone else. `active()`
// is false where the file system cannot do it.
class WriteProtection {
 public:
  explicit WriteProtection(std::filesystem::path path);
  ~WriteProtection();
  WriteProtection(const WriteProtection&) = delete;
  WriteProtection& operator=(const WriteProtection&) = delete;

  bool active() const { return active_; }

 private:
  std::filesystem::path path_;
  bool immutable_ = false;
  bool active_ = false;
  std::filesystem::perms saved_{};
};

// Records what core asked to show; answers questions with `answer`.
class RecordingMessages final : public UserMessages {
 public:
  struct Shown {
    enum class Kind { kInfoBox, kStandard, kCountDown } kind;
    std::string text;
    bool hasCancel = false;
  };

  InfoAnswer InfoBox(const std::string& text, bool hasCancel) override {
    shown.push_back({Shown::Kind::kInfoBox, text, hasCancel});
    return hasCancel ? answer : InfoAnswer::kOk;
  }
  void StandardInfo(const std::string& text) override {
    shown.push_back({Shown::Kind::kStandard, text});
  }
  void CountDown(const std::string& text) override {
    shown.push_back({Shown::Kind::kCountDown, text});
  }

  // The texts shown, in order, whatever their kind.
  std::vector<std::string> Texts() const;

  std::vector<Shown> shown;
  InfoAnswer answer = InfoAnswer::kOk;
};

}  // namespace n63k::test
