#pragma once

#include <QFile>
#include <QSet>
#include <QString>
#include <memory>

#include "ui/widgets/CaptionFit.h"

namespace n63k::app {

// For translators: with N63K_CAPTION_REPORT=FILE the program appends to FILE
// one line for each caption that its control cuts or that runs past it, once
// per caption: kind, `cut` or `overflow`, window title, control, needed and
// available size (WxH), font pixels and the text (tab, line feed and backslash
// written \t, \n, \\), separated by tabs.
class CaptionReport {
 public:
  // Null when the environment asks for no report or FILE cannot be opened
  // (said on standard error).
  static std::unique_ptr<CaptionReport> FromEnvironment();

  explicit CaptionReport(const QString& path);
  bool IsOpen() const { return file_.isOpen(); }

 private:
  void Write(const ui::CaptionMisfit& misfit);

  QFile file_;
  QSet<QString> written_;
  ui::CaptionFitLog log_;
};

}  // namespace n63k::app
