#include "core/app/AutostartEntry.h"

#include <span>
#include <sstream>
#include <system_error>
#include <vector>

#include "core/base/Files.h"

namespace n63k {

namespace fs = std::filesystem;

namespace {
// An entry is a few hundred bytes; anything larger is not ours to parse.
constexpr std::size_t kMaxEntryBytes = 64 * 1024;
}  // namespace

fs::path AutostartFile(const SystemPaths& system) {
  fs::path base;
  if (const auto xdg = system.Variable("XDG_CONFIG_HOME"); xdg && !xdg->empty()) {
    base = *xdg;
  } else {
    const auto home = system.Variable("HOME");
    base = (home && !home->empty() ? fs::path(*home) : system.AccountHome()) / ".config";
  }
  return base / "autostart" / "N63KDriver.desktop";
}

std::string ExecArgument(std::string_view argument) {
  std::string quoted = "\"";
  for (const char c : argument) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') {
      quoted += '\\';
    }
    // A percent sign starts a field code unless doubled.
    if (c == '%') {
      quoted += '%';
    }
    quoted += c;
  }
  quoted += '"';
  // The entry format reads a backslash in a value as an escape as well, so
  // each one written above is doubled once more.
  std::string escaped;
  for (const char c : quoted) {
    escaped += c;
    if (c == '\\') {
      escaped += '\\';
    }
  }
  return escaped;
}

std::string AutostartEntryText(const fs::path& program) {
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=Korvu N63K\n"
         "Comment=Korvu N63K Gaming Mouse Driver in the tray\n"
         "Exec=" +
         ExecArgument(program.string()) +
         " --tray\n"
         "Icon=N63KDriver\n"
         "Terminal=false\n"
         "X-GNOME-Autostart-enabled=true\n";
}

AutostartEntry::AutostartEntry(fs::path file, fs::path program)
    : file_(std::move(file)), program_(std::move(program)) {}

bool AutostartEntry::Enabled() const {
  std::vector<std::uint8_t> bytes;
  if (ReadFileBytes(file_, bytes, kMaxEntryBytes) != FileError::kNone) {
    return false;
  }
  std::istringstream lines(std::string(bytes.begin(), bytes.end()));
  for (std::string line; std::getline(lines, line);) {
    if (line == "Hidden=true" || line == "X-GNOME-Autostart-enabled=false") {
      return false;
    }
  }
  return true;
}

bool AutostartEntry::SetEnabled(bool enabled) {
  std::error_code error;
  if (!enabled) {
    fs::remove(file_, error);
    return !error;
  }
  fs::create_directories(file_.parent_path(), error);
  const std::string text = AutostartEntryText(program_);
  return WriteFileAtomic(file_, std::span(reinterpret_cast<const std::uint8_t*>(text.data()),
                                          text.size())) == FileError::kNone;
}

}  // namespace n63k
