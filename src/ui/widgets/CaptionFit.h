#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QPainter;
class QSize;
class QWidget;

namespace n63k::ui {

// A cut button or list entry hides what the control does; a label is read
// beside what it names. Long texts (the status line, messages) are meant to
// end in an ellipsis and are not reported.
enum class CaptionKind { kButton, kListEntry, kLabel };

// A caption that did not fit its control.
struct CaptionMisfit {
  CaptionKind kind = CaptionKind::kLabel;
  QString window;   // the top-level window's title
  QString control;  // the control's name for screen readers, else its class
  QString text;     // the whole caption
  int neededWidth = 0;
  int availableWidth = 0;
  int neededHeight = 0;
  int availableHeight = 0;
  bool cut = false;  // drawn with an ellipsis; otherwise drawn past its control
  int pixels = 0;    // the font's pixel size it was drawn at
};

// While one exists, every caption a widget paints that does not fit is handed
// to its sink: the check that every language's wording fits its controls.
// Plain labels (QLabel) are measured as they paint. One at a time.
class CaptionFitLog : private QObject {
 public:
  explicit CaptionFitLog(std::function<void(const CaptionMisfit&)> sink);
  ~CaptionFitLog() override;
  CaptionFitLog(const CaptionFitLog&) = delete;
  CaptionFitLog& operator=(const CaptionFitLog&) = delete;

 private:
  bool eventFilter(QObject* watched, QEvent* event) override;

  std::function<void(const CaptionMisfit&)> sink_;
};

// How `text`, one line in the painter's font, shows in `available`: cut with an
// ellipsis when wider (or as it is, without `elide`). Tells the log, if any,
// when it does not fit (naming `widget`, which may be null).
QString FitCaption(const QPainter& painter, const QWidget* widget, CaptionKind kind,
                   const QString& text, const QSize& available, bool elide = true);

// The kind as the report names it: button, list-entry, label.
QString CaptionKindName(CaptionKind kind);

}  // namespace n63k::ui
