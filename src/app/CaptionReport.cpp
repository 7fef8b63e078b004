#include "app/CaptionReport.h"

#include <cstdio>
#include <cstdlib>

namespace n63k::app {
namespace {

QString Escaped(QString text) {
  return text.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
      .replace(QLatin1Char('\t'), QLatin1String("\\t"))
      .replace(QLatin1Char('\n'), QLatin1String("\\n"));
}

}  // namespace

std::unique_ptr<CaptionReport> CaptionReport::FromEnvironment() {
  const char* path = std::getenv("N63K_CAPTION_REPORT");
  if (path == nullptr || *path == '\0') {
    return nullptr;
  }
  auto report = std::make_unique<CaptionReport>(QString::fromLocal8Bit(path));
  if (!report->IsOpen()) {
    std::fprintf(stderr, "N63K_CAPTION_REPORT: cannot write %s\n", path);
    return nullptr;
  }
  return report;
}

CaptionReport::CaptionReport(const QString& path)
    : file_(path), log_([this](const ui::CaptionMisfit& misfit) { Write(misfit); }) {
  (void)file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text);
}

void CaptionReport::Write(const ui::CaptionMisfit& misfit) {
  const QString line =
      QStringList{ui::CaptionKindName(misfit.kind),
                  misfit.cut ? QStringLiteral("cut") : QStringLiteral("overflow"),
                  Escaped(misfit.window),
                  Escaped(misfit.control),
                  QStringLiteral("%1x%2").arg(misfit.neededWidth).arg(misfit.neededHeight),
                  QStringLiteral("%1x%2").arg(misfit.availableWidth).arg(misfit.availableHeight),
                  QString::number(misfit.pixels),
                  Escaped(misfit.text)}
          .join(QLatin1Char('\t'));
  if (written_.contains(line)) {
    return;
  }
  written_.insert(line);
  file_.write((line + QLatin1Char('\n')).toUtf8());
  file_.flush();
}

}  // namespace n63k::app
