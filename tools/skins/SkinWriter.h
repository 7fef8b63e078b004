#pragma once

#include <QPainter>
#include <QSize>
#include <QString>
#include <functional>
#include <string_view>
#include <vector>

namespace n63k::skins {

// Writes each picture below the program folder at 1x and at twice the size,
// painted afresh at each scale so that nothing is blown up.
class SkinWriter {
 public:
  enum class Surface { Opaque, SeeThrough };
  // Paints one picture; the painter is scaled, so it draws in 1x pixels,
  // and `scale` says how many device pixels each of them has.
  using Paint = std::function<void(QPainter&, int scale)>;

  explicit SkinWriter(QString programDir);

  void Write(std::string_view file, QSize size, Surface surface, const Paint& paint);

  const std::vector<QString>& Failures() const { return failures_; }
  int Written() const { return written_; }

 private:
  QString programDir_;
  std::vector<QString> failures_;
  int written_ = 0;
};

}  // namespace n63k::skins
