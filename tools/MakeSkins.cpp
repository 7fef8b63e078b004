// Paints every picture of the window program at build time, at 1x and 2x,
// from the same layout tables the windows use, then touches a stamp for the
// build. Runs without a display on Qt's offscreen platform.
#include <QGuiApplication>
#include <fstream>
#include <iostream>

#include "skins/Skins.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: n63k_make_skins PROGRAM_DIR STAMP\n";
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);

  n63k::skins::SkinWriter writer(QString::fromLocal8Bit(argv[1]));
  n63k::skins::WriteMainWindowSkins(writer);
  n63k::skins::WriteInfoBoxSkins(writer);
  n63k::skins::WriteProgressSkins(writer);
  n63k::skins::WriteSliderThumb(writer);
  n63k::skins::WriteFlags(writer);
  n63k::skins::WriteLanguageMenuPanel(writer);
  n63k::skins::WriteIcons(writer);
  n63k::skins::WriteLightingSkins(writer);
  n63k::skins::WriteStatsSkins(writer);
  n63k::skins::WriteChooserSkins(writer);
  n63k::skins::WriteScrollBarSkin(writer);
  n63k::skins::WriteListIcons(writer);
  n63k::skins::WriteButtonPageSkins(writer);
  n63k::skins::WriteSupportSkins(writer);
  n63k::skins::WriteMacroPageSkins(writer);

  for (const QString& path : writer.Failures()) {
    std::cerr << "n63k_make_skins: cannot write " << path.toStdString() << '\n';
  }
  if (!writer.Failures().empty()) {
    return 1;
  }
  std::ofstream(argv[2]) << writer.Written() << " pictures written\n";
  return 0;
}
