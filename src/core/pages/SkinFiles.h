#pragma once

#include <string_view>

namespace n63k {

// The pictures of the windows, below the program folder. The build's skin
// generator writes each at its own size and, for screens scaled to 200 %,
// once more at twice the size beside it with "@2x" before the extension.
namespace skin_files {

// The main window: background, pressed and hover looks, each the window's size.
inline constexpr std::string_view kMainNormal = "skins/Main_Normal.bmp";
inline constexpr std::string_view kMainDown = "skins/Main_Down.bmp";
inline constexpr std::string_view kMainOver = "skins/Main_Over.bmp";

// The looks of the main window's slanted buttons, each the window's size,
// for the Chinese layout and for every other language.
struct RegionLooks {
  std::string_view normal;
  std::string_view selected;
  std::string_view hover;
  std::string_view disabled;
};
inline constexpr RegionLooks kRegionChinese{
    "skins/Region/Chinese_Normal.png", "skins/Region/Chinese_Down.png",
    "skins/Region/Chinese_Over.png", "skins/Region/Chinese_Disabled.png"};
inline constexpr RegionLooks kRegionOther{
    "skins/Region/Other_Normal.png", "skins/Region/Other_Down.png", "skins/Region/Other_Over.png",
    "skins/Region/Other_Disabled.png"};

// The info box, with and without its Cancel button: background, hover and
// pressed looks, each the box's size.
struct BoxLooks {
  std::string_view normal;
  std::string_view hover;
  std::string_view pressed;
};
inline constexpr BoxLooks kInfoBoxOk{"skins/InfoBox/Ok_Normal.bmp", "skins/InfoBox/Ok_Over.bmp",
                                     "skins/InfoBox/Ok_Down.bmp"};
inline constexpr BoxLooks kInfoBoxCancel{"skins/InfoBox/Cancel_Normal.bmp",
                                         "skins/InfoBox/Cancel_Over.bmp",
                                         "skins/InfoBox/Cancel_Down.bmp"};

// The progress window: background with the empty bar, and the filled bar.
inline constexpr std::string_view kProgressNormal = "skins/ProgressBar/Progress_Normal.png";
inline constexpr std::string_view kProgressOver = "skins/ProgressBar/Progress_Over.png";

// The button page, drawn for the Chinese layout and for every other
// language: the page with every control normal, hovered, and pressed or
// checked, each the page's size. The tabs take their normal, selected and
// hover looks from the same three.
struct PageLooks {
  std::string_view normal;
  std::string_view over;
  std::string_view down;
};
inline constexpr PageLooks kButtonPageChinese{"skins/ButtonPage/Chinese_Normal.png",
                                              "skins/ButtonPage/Chinese_Over.png",
                                              "skins/ButtonPage/Chinese_Down.png"};
inline constexpr PageLooks kButtonPageOther{"skins/ButtonPage/Other_Normal.png",
                                            "skins/ButtonPage/Other_Over.png",
                                            "skins/ButtonPage/Other_Down.png"};

// The support page: background with the normal look of its controls, and the
// pressed and hover looks, each the page's size.
inline constexpr std::string_view kSupportNormal = "skins/support_normal.bmp";
inline constexpr std::string_view kSupportDown = "skins/support_down.bmp";
inline constexpr std::string_view kSupportOver = "skins/support_over.bmp";

// The thumb of every slider; its top-left pixel's colour is see-through.
inline constexpr std::string_view kSliderThumb = "skins/Slider.png";

// The lighting page: background, hover, pressed and disabled looks, each the
// page's size, for the Chinese layout and for every other language. The
// background holds the colour wheel and the palette's colours.
struct LightingLooks {
  std::string_view normal;
  std::string_view hover;
  std::string_view pressed;
  std::string_view disabled;
};
inline constexpr LightingLooks kLightingChinese{
    "skins/Light/LedSet_normal_cn.bmp", "skins/Light/LedSet_over_cn.bmp",
    "skins/Light/LedSet_down_cn.bmp", "skins/Light/LedSet_disabled_cn.bmp"};
inline constexpr LightingLooks kLightingOther{
    "skins/Light/LedSet_normal.bmp", "skins/Light/LedSet_over.bmp", "skins/Light/LedSet_down.bmp",
    "skins/Light/LedSet_disabled.bmp"};

// The statistics page: background (and the unlit look of its controls), lit
// and pressed look, hover look, each the page's size. The large trophy of
// level N is kTrophyFolder/trophyNDown.bmp.
inline constexpr std::string_view kStatsNormal = "skins/Sts_Normal.bmp";
inline constexpr std::string_view kStatsDown = "skins/Sts_Down.bmp";
inline constexpr std::string_view kStatsOver = "skins/Sts_Over.bmp";
inline constexpr std::string_view kTrophyFolder = "skins/trophy";

// The flag of language number N (37 x 22) is kFlagFolder/Flag_N.png; its
// small flag in the language menu (19 x 11) is kFlagFolder/Small_N.png.
inline constexpr std::string_view kFlagFolder = "skins/Flags";
inline constexpr std::string_view kLanguageMenuPanel = "skins/Flags/Panel.png";  // 65 x 65

// The program's icon (window and tray, several sizes in one folder as
// Icon_SIZE.png) and the tray menu's 16 x 16 icons.
inline constexpr std::string_view kIconFolder = "skins/Icons";
inline constexpr std::string_view kMenuConfig = "skins/Icons/Config.png";
inline constexpr std::string_view kMenuExit = "skins/Icons/Exit.png";

// The function chooser's window and its four pages: background, hover and
// pressed looks, each the window's or the page's size.
inline constexpr BoxLooks kChooser{"skins/setting/Setting_Normal.bmp",
                                   "skins/setting/Setting_Over.bmp",
                                   "skins/setting/Setting_Down.bmp"};
inline constexpr BoxLooks kChooserCombination{
    "skins/combo/Combo_Normal.bmp", "skins/combo/Combo_Over.bmp", "skins/combo/Combo_Down.bmp"};
inline constexpr BoxLooks kChooserMacro{"skins/macro/Macro_Normal.bmp",
                                        "skins/macro/Macro_Over.bmp", "skins/macro/Macro_Down.bmp"};
inline constexpr BoxLooks kChooserBasic{"skins/base/Base_Normal.bmp", "skins/base/Base_Over.bmp",
                                        "skins/base/Base_Down.bmp"};
inline constexpr BoxLooks kChooserAdvanced{"skins/advanced/Advanced_Normal.bmp",
                                           "skins/advanced/Advanced_Over.bmp",
                                           "skins/advanced/Advanced_Down.bmp"};

// The macro page: background, hover and pressed looks, each the page's size,
// for the Chinese layout and for every other language. The mouse pictures
// take the pressed look for hover too.
inline constexpr BoxLooks kMacroPageOther{"skins/Macro_normal.bmp", "skins/Macro_over.bmp",
                                          "skins/Macro_down.bmp"};
inline constexpr BoxLooks kMacroPageChinese{"skins/Macro_normal_cn.bmp", "skins/Macro_over_cn.bmp",
                                            "skins/Macro_down_cn.bmp"};

// The lists' scroll bars: nine columns of cells (arrows, thumb and track of
// the vertical bar, the same of the horizontal one, the corner) in three rows
// (normal, hover, pressed).
inline constexpr std::string_view kScrollBar = "skins/ScrollBar.bmp";

// The icons of a list's key-up, key-down and delay items, unselected and
// selected.
struct ListIcons {
  std::string_view normal;
  std::string_view selected;
};
inline constexpr ListIcons kListIconUp{"skins/up_normal.png", "skins/up_select.png"};
inline constexpr ListIcons kListIconDown{"skins/down_normal.png", "skins/down_select.png"};
inline constexpr ListIcons kListIconDelay{"skins/delay_normal.png", "skins/delay_select.png"};

}  // namespace skin_files

}  // namespace n63k
