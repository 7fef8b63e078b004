#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/pages/SkinFiles.h"

namespace n63k {

namespace skin_files {

// Sizes of the pictures whose size no window table gives.
struct PictureSize {
  int width = 0;
  int height = 0;
};

inline constexpr PictureSize kFlagSize{37, 22};
inline constexpr PictureSize kSmallFlagSize{19, 11};
inline constexpr PictureSize kLanguageMenuPanelSize{65, 65};
// The panel is stretched as a nine-part grid with corners of this size.
inline constexpr int kLanguageMenuPanelCorner = 32;
inline constexpr PictureSize kSliderThumbSize{11, 12};
inline constexpr PictureSize kMenuIconSize{16, 16};
inline constexpr PictureSize kListIconSize{16, 16};
inline constexpr PictureSize kScrollBarSize{163, 54};
// The program's icon comes square at each of these sizes.
inline constexpr std::array<int, 7> kIconSizes{16, 22, 32, 48, 64, 128, 256};

// Every picture exists once more at this many times its size.
inline constexpr int kLargeScale = 2;

inline std::string FlagFile(int language) {
  return std::string(kFlagFolder) + "/Flag_" + std::to_string(language) + ".png";
}
inline std::string SmallFlagFile(int language) {
  return std::string(kFlagFolder) + "/Small_" + std::to_string(language) + ".png";
}
inline std::string TrophyFile(int level) {
  return std::string(kTrophyFolder) + "/trophy" + std::to_string(level) + "Down.bmp";
}
inline std::string IconFile(int size) {
  return std::string(kIconFolder) + "/Icon_" + std::to_string(size) + ".png";
}

// The name of `file` at `scale`: "NAME@2x.ext" beside "NAME.ext"; scale 1
// is the name itself.
inline std::string AtScale(std::string_view file, int scale) {
  if (scale == 1) {
    return std::string(file);
  }
  const std::size_t slash = file.rfind('/');
  std::size_t dot = file.rfind('.');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) {
    dot = file.size();
  }
  return std::string(file.substr(0, dot)) + "@" + std::to_string(scale) + "x" +
         std::string(file.substr(dot));
}

}  // namespace skin_files

}  // namespace n63k
