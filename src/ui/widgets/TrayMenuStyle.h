#pragma once

#include <QProxyStyle>

class QMenu;

namespace n63k::ui {

// The look of the tray icon's menu: items 75 x 22 on a light panel, a 16 x 16
// icon in a narrow column on the left, the text centred in the rest, and a
// framed highlight on the item under the pointer. `widenToText`: items as
// wide as their text needs, at least the tray's width (the pages' menus, whose
// texts are longer).
class TrayMenuStyle : public QProxyStyle {
  Q_OBJECT

 public:
  explicit TrayMenuStyle(bool widenToText = false);

  static constexpr int kItemWidth = 75;
  static constexpr int kItemHeight = 22;

  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override;
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;

 private:
  bool widenToText_;
};

// Gives `menu` the tray menu's look.
void ApplyTrayMenuLook(QMenu& menu);
// The same look with items as wide as their texts.
void ApplyPopupMenuLook(QMenu& menu);

}  // namespace n63k::ui
