#include <QApplication>
#include <QStringList>

#include "app/CaptionReport.h"
#include "app/WindowProgram.h"
#include "core/app/AutostartEntry.h"
#include "platform/LinuxSystemPaths.h"
#include "platform/SingleInstance.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // The executable's name, which also names the window's class.
  QApplication::setApplicationName("N63KDriver");
  QApplication::setDesktopFileName("N63KDriver");
  // Closing the window only hides it: the program lives in the tray.
  QApplication::setQuitOnLastWindowClosed(false);

  n63k::app::WindowProgram* program = nullptr;
  n63k::SingleInstance instance;
  if (instance.ClaimOrSignal([&program](int) {
        if (program != nullptr) {
          program->ShowRequested();
        }
      }) == n63k::SingleInstance::Claim::kAlreadyRunning) {
    return 0;
  }

  const n63k::LinuxSystemPaths paths;
  const n63k::Folders folders = n63k::DefaultFolders(paths);
  n63k::AutostartEntry loginStart(n63k::AutostartFile(paths), folders.program / "N63KDriver");
  // The desktop's start at login asks for the tray only.
  const bool startInTray = QApplication::arguments().contains(QStringLiteral("--tray"));
  const auto captionReport = n63k::app::CaptionReport::FromEnvironment();
  n63k::app::WindowProgram window(application, folders, loginStart, startInTray);
  program = &window;
  return window.Run();
}
