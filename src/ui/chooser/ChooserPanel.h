#pragma once

#include <QPixmap>
#include <QWidget>
#include <filesystem>

#include "core/base/Geometry.h"
#include "core/pages/SkinFiles.h"
#include "ui/widgets/BitmapButton.h"

namespace n63k::ui {

// One of the chooser's four pages: a panel over its own pictures, on which
// the page's controls cut their looks.
class ChooserPanel : public QWidget {
  Q_OBJECT

 public:
  ChooserPanel(const std::filesystem::path& programFolder, const skin_files::BoxLooks& looks,
               QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  // A picture button of the page at `rect` (page pixels).
  BitmapButton* MakeButton(const Rect& rect);

 private:
  PagePictures pictures_;
};

class SkinListBox;

// The chooser's lists: colours, item height and the skinned scroll bars.
void StyleChooserList(SkinListBox& list, const std::filesystem::path& programFolder,
                      int itemHeight);

inline QRect ToQRect(const Rect& r) {
  return {r.left, r.top, r.Width(), r.Height()};
}

inline QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QColor FromRgb(std::uint32_t rgb) {
  return QColor::fromRgb(static_cast<QRgb>(rgb | 0xff000000u));
}

}  // namespace n63k::ui
