#pragma once

#include "skins/SkinWriter.h"

namespace n63k::skins {

// The picture families of the window program, one painter each.
void WriteMainWindowSkins(SkinWriter& writer);
void WriteInfoBoxSkins(SkinWriter& writer);
void WriteProgressSkins(SkinWriter& writer);
void WriteSliderThumb(SkinWriter& writer);
void WriteFlags(SkinWriter& writer);
void WriteLanguageMenuPanel(SkinWriter& writer);
void WriteIcons(SkinWriter& writer);
void WriteLightingSkins(SkinWriter& writer);
void WriteStatsSkins(SkinWriter& writer);
void WriteChooserSkins(SkinWriter& writer);
void WriteScrollBarSkin(SkinWriter& writer);
void WriteListIcons(SkinWriter& writer);
void WriteButtonPageSkins(SkinWriter& writer);
void WriteSupportSkins(SkinWriter& writer);
void WriteMacroPageSkins(SkinWriter& writer);

}  // namespace n63k::skins
