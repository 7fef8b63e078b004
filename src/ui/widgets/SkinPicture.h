#pragma once

#include <QPixmap>
#include <filesystem>
#include <string_view>

#include "core/base/Geometry.h"

namespace n63k::ui {

// The screens' highest scale, the ratio pictures are chosen for.
qreal ScreenRatio();

// The picture `name` (a skin_files name) below the program folder. Above a
// ratio of 1 the "NAME@2x.ext" beside it is taken when it exists, with a
// device pixel ratio of 2, so it paints at the same logical size. A missing or
// undecodable file gives a null picture.
QPixmap LoadSkinPicture(const std::filesystem::path& programFolder, std::string_view name,
                        qreal screenRatio = ScreenRatio());

// The piece of `picture` under `piece`, in logical pixels, keeping the
// picture's ratio; parts outside the picture are transparent. A null picture
// or an empty piece gives a null picture.
QPixmap CutSkinPicture(const QPixmap& picture, const Rect& piece);

// The picture's size in logical pixels.
QSize LogicalSize(const QPixmap& picture);

}  // namespace n63k::ui
