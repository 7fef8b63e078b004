#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "cli/Cli.h"
#include "cli/Commands.h"
#include "cli/Format.h"
#include "core/base/Files.h"
#include "core/i18n/LanguageFile.h"

namespace n63k::cli {
namespace {

namespace fs = std::filesystem;

bool Readable(const fs::path& path) {
  std::vector<std::uint8_t> firstByte;
  return ReadFileBytes(path, firstByte, 1) == FileError::kNone;
}

int PrintLanguageFile(const fs::path& path, std::ostream& out, std::ostream& err) {
  XmlDocument document;
  document.LoadFile(path);
  const TextTable::Texts texts = ReadLanguageTexts(document);
  out << "diagnostic: " << document.DiagnosticText() << '\n';
  int missing = 0;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    out << kStringKeys[i] << '=' << OneLine(texts[i]) << '\n';
    missing += texts[i].empty() ? 1 : 0;
  }
  out << "missing: " << missing << '\n';
  if (!Readable(path)) {
    err << "n63kctl: cannot read " << path.string() << '\n';
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace

void AddLangCommand(CLI::App& app, Context& context, int& status) {
  auto* command =
      app.add_subcommand("lang", "Show every text of a language file as the program reads it");
  auto file = std::make_shared<fs::path>();
  command->add_option("FILE", *file, "Language file")->required();
  command->callback(
      [&context, &status, file] { status = PrintLanguageFile(*file, context.out, context.err); });
}

}  // namespace n63k::cli
