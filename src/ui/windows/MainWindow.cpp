#include "ui/windows/MainWindow.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStackedWidget>
#include <QSystemTrayIcon>
#include <QTextLayout>
#include <QWindow>
#include <string>

#include "core/pages/SkinPictures.h"
#include "ui/widgets/BitmapButton.h"
#include "ui/widgets/DialogKeys.h"
#include "ui/widgets/RegionButton.h"
#include "ui/widgets/SkinPicture.h"
#include "ui/widgets/TrayMenuStyle.h"

namespace n63k::ui {
namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect ToQRect(const Rect& r) {
  return {r.left, r.top, r.Width(), r.Height()};
}

QFont StatusFont() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("WenQuanYi Micro Hei")});
  font.setPixelSize(14);
  font.setWeight(QFont::Light);
  return font;
}

// The status text broken at words into the lines the box holds; the last
// line takes the rest, ended with an ellipsis when it does not fit.
QStringList StatusLines(const QString& text, const QFont& font, int width, int maxLines) {
  QStringList lines;
  QTextLayout layout(text, font);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    if (lines.size() == maxLines - 1) {
      QString rest = text.mid(line.textStart());
      rest.replace(QLatin1Char('\n'), QLatin1Char(' '));
      lines << QFontMetrics(font).elidedText(rest.trimmed(), Qt::ElideRight, width);
      break;
    }
    lines << text.mid(line.textStart(), line.textLength()).trimmed();
  }
  layout.endLayout();
  return lines;
}

void DrawStatusText(QPainter& painter, const QRect& box, const QString& text) {
  if (text.isEmpty()) {
    return;
  }
  const QFont font = StatusFont();
  const QFontMetrics metrics(font);
  const int lineHeight = metrics.lineSpacing();
  const QStringList lines =
      StatusLines(text, font, box.width(), std::max(1, box.height() / lineHeight));
  painter.setFont(font);
  painter.setPen(QColor(190, 190, 190));
  int y = box.top() + (box.height() - static_cast<int>(lines.size()) * lineHeight) / 2;
  for (const QString& line : lines) {
    painter.drawText(QRect(box.left(), y, box.width(), lineHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, line);
    y += lineHeight;
  }
}

bool IsAltF4(const QKeyEvent& event) {
  return event.key() == Qt::Key_F4 && (event.modifiers() & Qt::AltModifier) != 0;
}

}  // namespace

MainWindow::MainWindow(MainWindowModel& model, std::filesystem::path programFolder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      model_(model),
      programFolder_(std::move(programFolder)) {
  setWindowTitle(Text(kMainWindowTitle));
  setFixedSize(main_window::kWidth, main_window::kHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  background_ = Skin(skin_files::kMainNormal);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect full = screen->geometry();
    move(full.left() + (full.width() - width()) / 2, full.top() + (full.height() - height()) / 2);
  }
  BuildPlainButtons();
  BuildRegionButtons();
  BuildPages();
  BuildTray();
  ShowLanguage();
  model_.SetObserver(this);
  ShowPages();
  ShowProfiles();
}

MainWindow::~MainWindow() {
  model_.SetObserver(nullptr);
}

QPixmap MainWindow::Skin(std::string_view name) const {
  return LoadSkinPicture(programFolder_, name);
}

void MainWindow::BuildPlainButtons() {
  const PagePictures pictures{Skin(skin_files::kMainNormal),
                              Skin(skin_files::kMainOver),
                              Skin(skin_files::kMainDown),
                              {},
                              {},
                              {}};
  const std::array<Rect, 3> rects = {main_window::kMinimise, main_window::kClose,
                                     main_window::kLanguageButton};
  for (std::size_t i = 0; i < rects.size(); ++i) {
    auto* button = new BitmapButton(rects[i], this);
    button->SetPictures(rects[i], pictures);
    plainButtons_[i] = button;
  }
  connect(plainButtons_[0], &QAbstractButton::clicked, this, [this] { model_.PressMinimise(); });
  connect(plainButtons_[1], &QAbstractButton::clicked, this, [this] { model_.PressClose(); });
  connect(plainButtons_[2], &QAbstractButton::clicked, this, [this] { model_.PressLanguage(); });
}

void MainWindow::BuildRegionButtons() {
  for (std::size_t i = 0; i < main_window::kRegionControls.size(); ++i) {
    auto* button = new RegionButton(main_window::kRegionControls[i].shape, this);
    button->SetStickyLook(true);
    regionButtons_[i] = button;
    const int number = static_cast<int>(i) + 1;
    if (i < main_window::kFirstProfileButton) {
      connect(button, &RegionButton::activated, this, [this, number] { model_.ClickTab(number); });
    } else if (i < main_window::kApplyButton) {
      const int profile = number - static_cast<int>(main_window::kFirstProfileButton);
      connect(button, &RegionButton::activated, this,
              [this, profile] { model_.ClickProfile(profile); });
    } else {
      connect(button, &RegionButton::activated, this, [this] { model_.PressApply(); });
    }
  }
}

void MainWindow::BuildPages() {
  pages_ = new QStackedWidget(this);
  pages_->setGeometry(ToQRect(main_window::kPages));
  for (int page = 1; page <= main_window::kPageCount; ++page) {
    auto* panel = new QWidget(pages_);
    panel->setObjectName(QStringLiteral("page%1").arg(page));
    // A press on a page is the page's, never a drag of the window.
    panel->setAttribute(Qt::WA_NoMousePropagation);
    pages_->addWidget(panel);
  }
}

void MainWindow::BuildTray() {
  QIcon icon;
  for (const int size : skin_files::kIconSizes) {
    const std::filesystem::path file = programFolder_ / skin_files::IconFile(size);
    if (std::filesystem::exists(file)) {
      icon.addFile(QString::fromStdString(file.string()), QSize(size, size));
    }
  }
  setWindowIcon(icon);
  // Without a tray the program still runs; the window is then its only face.
  if (!QSystemTrayIcon::isSystemTrayAvailable()) {
    return;
  }
  tray_ = new QSystemTrayIcon(icon, this);
  tray_->setToolTip(Text(kMainWindowTitle));
  trayMenu_ = new QMenu(this);
  ApplyTrayMenuLook(*trayMenu_);
  const auto menuIcon = [this](std::string_view name) { return QIcon(Skin(name)); };
  trayMenu_->addAction(menuIcon(skin_files::kMenuConfig), Text(kTrayConfig), this,
                       [this] { model_.ShowFromTray(); });
  if (model_.LoginStartOffered()) {
    QAction* loginStart =
        trayMenu_->addAction(QString(), this, [this] { model_.ToggleLoginStart(); });
    loginStart->setCheckable(true);
    // The setting lives in the desktop's folders: read it each time the menu opens.
    connect(trayMenu_, &QMenu::aboutToShow, loginStart, [this, loginStart] {
      loginStart->setText(Text(model_.LoginStartText()));
      loginStart->setChecked(model_.LoginStartEnabled());
    });
  }
  trayMenu_->addAction(menuIcon(skin_files::kMenuExit), Text(kTrayExit), this,
                       [this] { model_.ChooseExit(); });
  tray_->setContextMenu(trayMenu_);
  connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
    if (why == QSystemTrayIcon::DoubleClick) {
      model_.TrayActivated(MainWindowModel::kTrayDoubleClick);
    }
  });
  tray_->show();
  tray_->showMessage(Text(kTrayBalloonTitle), Text(kMainWindowTitle), QSystemTrayIcon::Information,
                     5000);
}

QWidget* MainWindow::PagePanel(int page) const {
  return pages_->widget(page - 1);
}

QRect MainWindow::LanguageButtonGlobalRect() const {
  const QWidget* button = plainButtons_[2];
  return {button->mapToGlobal(QPoint(0, 0)), button->size()};
}

void MainWindow::CloseForShutDown() {
  exiting_ = true;
  close();
}

void MainWindow::ShowLanguage() {
  const skin_files::RegionLooks& looks = model_.RegionLooks();
  const RegionPictures pictures{Skin(looks.normal), Skin(looks.selected), Skin(looks.hover),
                                Skin(looks.disabled)};
  for (std::size_t i = 0; i < regionButtons_.size(); ++i) {
    regionButtons_[i]->SetPictures(pictures);
    regionButtons_[i]->SetText(QString::fromStdString(model_.Caption(i)));
  }
  flag_ = Skin(skin_files::FlagFile(model_.FlagLanguage()));
  plainButtons_[0]->setAccessibleName(Text(model_.PlainButtonName(PlainButton::kMinimise)));
  plainButtons_[1]->setAccessibleName(Text(model_.PlainButtonName(PlainButton::kClose)));
  plainButtons_[2]->setAccessibleName(Text(model_.PlainButtonName(PlainButton::kLanguage)));
  update();
}

void MainWindow::ShowPages() {
  const int selected = model_.SelectedTab();
  for (std::size_t i = main_window::kFirstTab; i < main_window::kFirstProfileButton; ++i) {
    regionButtons_[i]->SetSelected(static_cast<int>(i) + 1 == selected);
  }
  pages_->setCurrentIndex(selected - 1);
  for (std::size_t i = main_window::kFirstProfileButton; i <= main_window::kApplyButton; ++i) {
    regionButtons_[i]->setEnabled(model_.ProfileControlsEnabled());
  }
}

void MainWindow::ShowProfiles() {
  for (int profile = 1; profile <= main_window::kProfileButtonCount; ++profile) {
    regionButtons_[main_window::kFirstProfileButton + static_cast<std::size_t>(profile - 1)]
        ->SetSelected(model_.ProfilePressed(profile));
  }
}

void MainWindow::Changed(MainWindowPart part) {
  switch (part) {
    case MainWindowPart::kPages:
      ShowPages();
      break;
    case MainWindowPart::kProfiles:
      ShowProfiles();
      break;
    case MainWindowPart::kApply:
      regionButtons_[main_window::kApplyButton]->SetSelected(model_.ApplyPressed());
      break;
    case MainWindowPart::kStatus:
      update(ToQRect(main_window::kStatusLine));
      break;
    case MainWindowPart::kLanguage:
      ShowLanguage();
      break;
  }
}

void MainWindow::ShowWindow() {
  if (isMinimized()) {
    showNormal();
  } else {
    show();
  }
  raise();
  activateWindow();
}

void MainWindow::HideWindow() {
  hide();
}

void MainWindow::MinimiseWindow() {
  showMinimized();
}

void MainWindow::CloseProgram() {
  emit exitRequested();
}

void MainWindow::OpenLanguageMenu() {
  emit languageMenuRequested();
}

void MainWindow::CloseLanguageMenu() {
  emit languageMenuClosing();
}

void MainWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (background_.isNull()) {
    painter.fillRect(rect(), QColor(0x14, 0x17, 0x1c));
  } else {
    painter.drawPixmap(0, 0, background_);
  }
  if (!flag_.isNull()) {
    painter.drawPixmap(ToQRect(main_window::kLanguageFlag).topLeft(), flag_);
  }
  DrawStatusText(painter, ToQRect(main_window::kStatusLine),
                 QString::fromStdString(model_.StatusText()));
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
  drag_.Press(*event);
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
  if (drag_.Move(*event)) {
    return;
  }
  const QPoint at = event->position().toPoint();
  model_.MouseMove({at.x(), at.y()});
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
  drag_.Release(*event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (IsAltF4(*event)) {
    model_.PressClose();
    return;
  }
  if (!IsDialogKey(*event)) {
    QWidget::keyPressEvent(event);
  }
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
  if (!IsDialogKey(*event)) {
    QWidget::keyReleaseEvent(event);
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The window manager's close (Alt+F4, a task bar's close) hides to the
  // tray as the close button does; the program ends only by its shut-down.
  if (exiting_) {
    event->accept();
    return;
  }
  event->ignore();
  model_.PressClose();
}

}  // namespace n63k::ui
