// Fuzz target: the bytes of an INI file, read as start-up reads the
// installation language from skins/languagetype.ini and given the flasher's
// language as start-up writes FWUpdate/Config.ini: each write reads back, a
// repeated write changes nothing, and the keys beside it still read the same.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

#include "core/base/IniFile.h"
#include "fuzz/FuzzSupport.h"

using namespace n63k;
using fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzz::ScratchFolder scratch("ini");
  const std::filesystem::path file = scratch.Empty() / "Config.ini";
  fuzz::PutFile(file, fuzz::ToBytes(data, size));

  constexpr int kMissing = -12345;
  const int installation = GetProfileInt(file, "languagetype", "value", 0);
  const int neighbour = GetProfileInt(file, "Language", "Version", kMissing);
  for (const std::string_view value : {"1", "0"}) {
    Check(WriteProfileString(file, "Language", "Type", value) == FileError::kNone);
    Check(GetProfileInt(file, "Language", "Type", kMissing) == (value == "1" ? 1 : 0));
    Check(GetProfileInt(file, "languagetype", "value", 0) == installation);
    Check(GetProfileInt(file, "Language", "Version", kMissing) == neighbour);
    const std::optional<fuzz::Bytes> written = fuzz::FileBytes(file);
    Check(WriteProfileString(file, "Language", "Type", value) == FileError::kNone);
    Check(fuzz::FileBytes(file) == written);
  }
  return 0;
}
