#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>
#include <filesystem>

#include "core/pages/MainWindowModel.h"
#include "ui/widgets/WindowDrag.h"

class QMenu;
class QStackedWidget;
class QSystemTrayIcon;

namespace n63k::ui {

class BitmapButton;
class RegionButton;

// The program's skinned main window: page tabs, profile buttons, Apply, the
// status line, the language flag and button, the page area and the tray icon.
// It draws MainWindowModel and hands it every click; the app sets the
// application name and desktop file name "N63KDriver", which give the
// window its class.
class MainWindow final : public QWidget, public MainWindowObserver {
  Q_OBJECT

 public:
  MainWindow(MainWindowModel& model, std::filesystem::path programFolder,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  // The panel of page 1-5, where the page's widgets go.
  QWidget* PagePanel(int page) const;
  // Null where the desktop has no tray.
  QSystemTrayIcon* TrayIcon() const { return tray_; }
  // The language button, in global pixels: the language menu opens above it.
  QRect LanguageButtonGlobalRect() const;
  // Closes the window for good, at the end of the shut-down; any other close
  // only hides it.
  void CloseForShutDown();

  // MainWindowObserver
  void Changed(MainWindowPart part) override;
  void ShowWindow() override;
  void HideWindow() override;
  void MinimiseWindow() override;
  void CloseProgram() override;
  void OpenLanguageMenu() override;
  void CloseLanguageMenu() override;

 signals:
  // "Exit" in the tray menu: the app runs the shut-down and then closes.
  void exitRequested();
  void languageMenuRequested();
  void languageMenuClosing();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildPlainButtons();
  void BuildRegionButtons();
  void BuildPages();
  void BuildTray();
  void ShowLanguage();
  void ShowPages();
  void ShowProfiles();
  QPixmap Skin(std::string_view name) const;

  MainWindowModel& model_;
  std::filesystem::path programFolder_;
  QPixmap background_;
  QPixmap flag_;
  std::array<BitmapButton*, 3> plainButtons_{};
  std::array<RegionButton*, main_window::kRegionControls.size()> regionButtons_{};
  QStackedWidget* pages_ = nullptr;
  QSystemTrayIcon* tray_ = nullptr;
  QMenu* trayMenu_ = nullptr;
  bool exiting_ = false;
  WindowDrag drag_{*this};
};

}  // namespace n63k::ui
