#include "ui/widgets/CaptionFit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QSize>
#include <QWidget>
#include <limits>

namespace n63k::ui {
namespace {

std::function<void(const CaptionMisfit&)>* activeSink = nullptr;

QString ControlName(const QWidget& widget) {
  if (!widget.accessibleName().isEmpty()) {
    return widget.accessibleName();
  }
  return QString::fromLatin1(widget.metaObject()->className());
}

}  // namespace

CaptionFitLog::CaptionFitLog(std::function<void(const CaptionMisfit&)> sink)
    : sink_(std::move(sink)) {
  activeSink = &sink_;
  if (QCoreApplication::instance() != nullptr) {
    QCoreApplication::instance()->installEventFilter(this);
  }
}

CaptionFitLog::~CaptionFitLog() {
  if (activeSink == &sink_) {
    activeSink = nullptr;
  }
}

bool CaptionFitLog::eventFilter(QObject* watched, QEvent* event) {
  const auto* label =
      event->type() == QEvent::Paint ? qobject_cast<const QLabel*>(watched) : nullptr;
  if (label == nullptr || label->text().isEmpty() || label->textFormat() == Qt::RichText) {
    return false;
  }
  const QRect room = label->contentsRect();
  const QFontMetrics metrics(label->font());
  const int flags = static_cast<int>(label->alignment()) |
                    (label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine);
  const QSize needed =
      metrics
          .boundingRect(QRect(0, 0, room.width(), std::numeric_limits<int>::max() / 2), flags,
                        label->text())
          .size();
  // A single line a little taller than its label still reads whole; wrapped
  // lines that do not all fit do not.
  if (needed.width() > room.width() || (label->wordWrap() && needed.height() > room.height())) {
    sink_({CaptionKind::kLabel, label->window()->windowTitle(), ControlName(*label), label->text(),
           needed.width(), room.width(), needed.height(), room.height(), false,
           label->font().pixelSize()});
  }
  return false;
}

QString FitCaption(const QPainter& painter, const QWidget* widget, CaptionKind kind,
                   const QString& text, const QSize& available, bool elide) {
  const QFontMetrics metrics = painter.fontMetrics();
  const int neededWidth = metrics.horizontalAdvance(text);
  const QString shown = elide && neededWidth > available.width()
                            ? metrics.elidedText(text, Qt::ElideRight, available.width())
                            : text;
  const bool cut = shown != text;
  if (activeSink != nullptr && !text.isEmpty() && (cut || neededWidth > available.width())) {
    (*activeSink)({kind, widget != nullptr ? widget->window()->windowTitle() : QString(),
                   widget != nullptr ? ControlName(*widget) : QString(), text, neededWidth,
                   available.width(), metrics.height(), available.height(), cut,
                   painter.font().pixelSize()});
  }
  return shown;
}

QString CaptionKindName(CaptionKind kind) {
  switch (kind) {
    case CaptionKind::kButton:
      return QStringLiteral("button");
    case CaptionKind::kListEntry:
      return QStringLiteral("list-entry");
    case CaptionKind::kLabel:
      return QStringLiteral("label");
  }
  return {};
}

}  // namespace n63k::ui
