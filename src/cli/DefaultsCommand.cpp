#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

#include "cli/Cli.h"
#include "cli/Commands.h"
#include "core/base/Files.h"
#include "core/macro/MacroTable.h"
#include "core/store/ProfileRecord.h"
#include "core/store/ProfileTable.h"

namespace n63k::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kStatisticsBytes = 24;
constexpr std::int32_t kLanguageEnglish = 2;
constexpr std::int32_t kLanguageChinese = 1;

template <typename T>
std::span<const std::uint8_t> BytesOf(const T& value) {
  return {reinterpret_cast<const std::uint8_t*>(&value), sizeof value};
}

bool WriteDefaults(const fs::path& outDir, bool chinese, std::ostream& err) {
  std::error_code error;
  fs::create_directories(outDir / "Profile", error);
  if (error) {
    err << "n63kctl: cannot create " << (outDir / "Profile").string() << ": " << error.message()
        << '\n';
    return false;
  }
  bool ok = true;
  const auto write = [&](const fs::path& path, std::span<const std::uint8_t> bytes) {
    if (WriteFileAtomic(path, bytes) != FileError::kNone) {
      err << "n63kctl: cannot write " << path.string() << '\n';
      ok = false;
    }
  };
  write(outDir / "Macro.cfg", MacroTable().Bytes());
  const std::int32_t language = chinese ? kLanguageChinese : kLanguageEnglish;
  write(outDir / "Language.cfg", BytesOf(language));
  write(outDir / "Sts.cfg", std::vector<std::uint8_t>(kStatisticsBytes, 0));
  write(outDir / "Profile" / "ConfigInfo.cfg", BytesOf(DefaultProfileTable()));
  ProfileRecord record;
  BuildDefaultProfile(record, chinese);
  for (int i = 1; i <= kProfileCount; ++i) {
    write(outDir / "Profile" / ("Profile" + std::to_string(i) + ".cfg"), RecordBytes(record));
  }
  return ok;
}

}  // namespace

void AddDefaultsCommand(CLI::App& app, Context& context, int& status) {
  auto* command = app.add_subcommand("defaults", "Write the program folder's default data files");
  struct Options {
    fs::path outDir;
    bool chinese = false;
  };
  auto options = std::make_shared<Options>();
  command->add_option("OUTDIR", options->outDir, "Folder to write into")->required();
  command->add_flag("--chinese", options->chinese, "Chinese captions and language");
  command->callback([&context, &status, options] {
    status = WriteDefaults(options->outDir, options->chinese, context.err) ? kExitOk : kExitFailure;
  });
}

}  // namespace n63k::cli
