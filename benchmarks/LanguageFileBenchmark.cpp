#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/i18n/LanguageFile.h"
#include "core/i18n/Languages.h"

namespace n63k {
namespace {

// Loading a language file fills all 114 texts, each found from the root; the
// program does it at start-up and on every language switch.
void LoadEachLanguageFile(benchmark::State& state) {
  const Language& language = kLanguages[static_cast<std::size_t>(state.range(0))];
  const std::filesystem::path path = std::filesystem::path(N63K_DATA_DIR) / language.file;
  state.SetLabel(std::string(language.menuName));
  TextTable table;
  for (auto _ : state) {
    LoadLanguageFile(path, table);
    benchmark::DoNotOptimize(table);
  }
}
BENCHMARK(LoadEachLanguageFile)->DenseRange(0, kLanguageCount - 1);

}  // namespace
}  // namespace n63k
