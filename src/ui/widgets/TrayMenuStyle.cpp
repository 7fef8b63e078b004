#include "ui/widgets/TrayMenuStyle.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMenu>
#include <QPainter>
#include <QStyleOptionMenuItem>
#include <algorithm>

#include "ui/widgets/CaptionFit.h"
#include "ui/widgets/SkinStyle.h"

namespace n63k::ui {
namespace {

constexpr QRgb kPanel = 0xffdbd8d1;
constexpr QRgb kHighlight = 0xffb1b9cf;
constexpr QRgb kSelectedText = 0xff003c91;
constexpr int kIconSize = 16;
constexpr int kTextLeft = 33;
// Letters of a 14-pixel cell, about 12 pixels: "Config" stays whole in the 42
// pixels right of the icon column.
constexpr int kTextPixels = 12;

// Room right of a widened item's text.
constexpr int kTextMargin = 10;

QFont ItemFont() {
  QFont font = DialogFont(kTextPixels);
  font.setWeight(QFont::Medium);
  return font;
}

}  // namespace

TrayMenuStyle::TrayMenuStyle(bool widenToText) : QProxyStyle(), widenToText_(widenToText) {}

QSize TrayMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                      const QSize& size, const QWidget* widget) const {
  if (type == CT_MenuItem) {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (item != nullptr && item->menuItemType != QStyleOptionMenuItem::Separator) {
      int width = kItemWidth;
      if (widenToText_) {
        const QString text = item->text.section(QLatin1Char('\t'), 0, 0);
        width = std::max(
            width, kTextLeft + QFontMetrics(ItemFont()).horizontalAdvance(text) + kTextMargin);
      }
      return {width, kItemHeight};
    }
  }
  return QProxyStyle::sizeFromContents(type, option, size, widget);
}

int TrayMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                               const QWidget* widget) const {
  switch (metric) {
    case PM_MenuPanelWidth:
    case PM_MenuHMargin:
    case PM_MenuVMargin:
    case PM_MenuDesktopFrameWidth:
      return 0;
    default:
      return QProxyStyle::pixelMetric(metric, option, widget);
  }
}

void TrayMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
  if (element == PE_PanelMenu || element == PE_FrameMenu) {
    painter->fillRect(option->rect, QColor::fromRgb(kPanel));
    return;
  }
  QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void TrayMenuStyle::drawControl(ControlElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
  if (element == CE_MenuEmptyArea) {
    painter->fillRect(option->rect, QColor::fromRgb(kPanel));
    return;
  }
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (element != CE_MenuItem || item == nullptr) {
    QProxyStyle::drawControl(element, option, painter, widget);
    return;
  }
  const QRect r = item->rect;
  painter->save();
  painter->fillRect(r, QColor::fromRgb(kPanel));
  // Items without text (separators and the like) are left blank.
  if (item->menuItemType != QStyleOptionMenuItem::Separator && !item->text.isEmpty()) {
    const bool selected = (item->state & State_Selected) != 0 && (item->state & State_Enabled) != 0;
    QPoint iconAt = r.topLeft() + QPoint(3, 3);
    if (selected) {
      painter->setPen(Qt::black);
      painter->setBrush(Qt::NoBrush);
      painter->drawRect(r.adjusted(0, 0, -1, -1));
      painter->fillRect(r.adjusted(1, 1, -1, -1), QColor::fromRgb(kHighlight));
      iconAt -= QPoint(1, 1);
    }
    if (!item->icon.isNull()) {
      painter->drawPixmap(iconAt, item->icon.pixmap(QSize(kIconSize, kIconSize),
                                                    painter->device()->devicePixelRatio()));
    } else if (item->checkType != QStyleOptionMenuItem::NotCheckable && item->checked) {
      // A setting that is on shows a tick in the icon column.
      QStyleOptionMenuItem tick = *item;
      tick.rect = QRect(iconAt, QSize(kIconSize, kIconSize));
      tick.state |= State_On;
      QProxyStyle::drawPrimitive(PE_IndicatorMenuCheckMark, &tick, painter, widget);
    }
    painter->setFont(ItemFont());
    painter->setPen(selected ? QColor::fromRgb(kSelectedText) : QColor(Qt::black));
    const QRect textArea(r.left() + kTextLeft, r.top(), r.width() - kTextLeft, r.height());
    const QString text = item->text.section(QLatin1Char('\t'), 0, 0);
    painter->drawText(textArea, Qt::AlignCenter | Qt::TextSingleLine,
                      FitCaption(*painter, widget, CaptionKind::kListEntry, text, textArea.size()));
  }
  painter->restore();
}

void ApplyTrayMenuLook(QMenu& menu) {
  // One style for every tray menu, which is built anew at each right click; a
  // widget does not own its style, so the application does.
  static TrayMenuStyle* const style = [] {
    auto* created = new TrayMenuStyle;
    created->setParent(qApp);
    return created;
  }();
  menu.setStyle(style);
}

void ApplyPopupMenuLook(QMenu& menu) {
  static TrayMenuStyle* const style = [] {
    auto* created = new TrayMenuStyle(true);
    created->setParent(qApp);
    return created;
  }();
  menu.setStyle(style);
}

}  // namespace n63k::ui
