#include "ui/pages/ButtonPageView.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>

#include "core/pages/SkinFiles.h"
#include "ui/widgets/BitmapButton.h"
#include "ui/widgets/BitmapEdit.h"
#include "ui/widgets/DialogKeys.h"
#include "ui/widgets/RegionButton.h"
#include "ui/widgets/SkinPicture.h"
#include "ui/widgets/SkinStyle.h"
#include "ui/widgets/SliderBar.h"

namespace n63k::ui {
namespace {

using namespace button_page;

constexpr int kCaptionPixels = 13;
constexpr int kHeadingPixels = 14;
// Captions start right of the glyph that the pictures draw at a control's left.
constexpr int kGlyphRoom = 14;
constexpr int kPrecisionCaptionWidth = 280;
constexpr QRgb kCaptionText = 0xffbdbdc8;
constexpr QRgb kHeadingText = 0xffd6dbe3;

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect ToQRect(const Rect& r) {
  return {r.left, r.top, r.Width(), r.Height()};
}

void PlaceCaption(QLabel& label, const Rect& control, int width) {
  label.setGeometry(control.left + kGlyphRoom, control.top - 3, width, control.Height() + 6);
}

// Check boxes, radios and markers: the picture follows the state the model
// gives, never a click of its own.
BitmapButton* StateButton(const Rect& rect, QWidget* parent) {
  auto* button = new BitmapButton(rect, parent);
  button->SetBehaviour(true, false);
  return button;
}

}  // namespace

ButtonPageView::ButtonPageView(ButtonPageModel& model, std::filesystem::path programFolder,
                               QWidget* parent)
    : QWidget(parent), model_(model), programFolder_(std::move(programFolder)) {
  setFixedSize(kWidth, kHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);
  BuildControls();
  model_.SetObserver(this);
  ShowLanguage();
  ShowDpi();
  ShowPointer();
  ShowReportRate();
  ShowWheel();
  ShowLinesText();
  ShowTabs();
  ShowMarkers();
}

ButtonPageView::~ButtonPageView() {
  model_.SetObserver(nullptr);
}

QLabel* ButtonPageView::Caption(const Rect& control, int width) {
  auto* label = new QLabel(this);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  label->setFont(DialogFont(kCaptionPixels));
  QPalette colours = label->palette();
  colours.setColor(QPalette::WindowText, QColor::fromRgb(kCaptionText));
  label->setPalette(colours);
  PlaceCaption(*label, control, width);
  return label;
}

void ButtonPageView::BuildControls() {
  for (std::size_t box = 0; box < kDpiBoxes.size(); ++box) {
    dpiBoxes_[box] = StateButton(kDpiBoxes[box], this);
    dpiBoxes_[box]->setAccessibleName(QString::number(kDpiValues[box]));
    connect(dpiBoxes_[box], &QAbstractButton::clicked, this,
            [this, box] { model_.ClickDpiBox(box); });
  }

  const QPixmap thumb = LoadSkinPicture(programFolder_, skin_files::kSliderThumb);
  speed_ = new SliderBar(thumb, kSpeedSlider, kSpeedSliderId, this);
  speed_->SetRange(kMinPointerSpeed, kMaxPointerSpeed);
  sensor_ = new SliderBar(thumb, kSensorSlider, kSensorSliderId, this);
  sensor_->SetRange(kMinSensorHeight, kMaxSensorHeight);
  for (SliderBar* slider : {speed_, sensor_}) {
    connect(slider, &SliderBar::valueChanged, this,
            [this](int value, int id) { model_.MoveSlider(id, value); });
  }

  precision_ = StateButton(kPrecisionBox, this);
  precisionCaption_ = Caption(kPrecisionBox, kPrecisionCaptionWidth);
  connect(precision_, &QAbstractButton::clicked, this, [this] { model_.ClickPrecisionBox(); });

  for (std::size_t radio = 0; radio < kReportRateRadios.size(); ++radio) {
    rates_[radio] = StateButton(kReportRateRadios[radio], this);
    rates_[radio]->setAccessibleName(QString::number(kReportRates[radio]));
    connect(rates_[radio], &QAbstractButton::clicked, this,
            [this, radio] { model_.ClickReportRate(radio); });
  }

  const WheelControls& wheel = model_.Wheel();
  linesRadio_ = StateButton(wheel.linesRadio, this);
  linesCaption_ = Caption(wheel.linesRadio, wheel.linesRadio.Width() - kGlyphRoom);
  connect(linesRadio_, &QAbstractButton::clicked, this, [this] { model_.ClickLinesRadio(); });
  linesEdit_ = new BitmapEdit(wheel.linesEdit, kScrollLinesFontPixels, this);
  linesEdit_->setAlignment(Qt::AlignCenter);
  linesEdit_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), linesEdit_));
  connect(linesEdit_, &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.EditLinesText(text.toStdString()); });
  plus_ = new BitmapButton(wheel.plus, this);
  minus_ = new BitmapButton(wheel.minus, this);
  connect(plus_, &QAbstractButton::clicked, this, [this] { model_.ClickPlus(); });
  connect(minus_, &QAbstractButton::clicked, this, [this] { model_.ClickMinus(); });
  screenRadio_ = StateButton(wheel.screenRadio, this);
  screenCaption_ = Caption(wheel.screenRadio, wheel.screenRadio.Width() - kGlyphRoom);
  connect(screenRadio_, &QAbstractButton::clicked, this, [this] { model_.ClickScreenRadio(); });

  for (std::size_t slot = 0; slot < kMarkers.size(); ++slot) {
    markers_[slot] = StateButton(kMarkers[slot], this);
    markers_[slot]->setAttribute(Qt::WA_TransparentForMouseEvents);
    markers_[slot]->setFocusPolicy(Qt::NoFocus);
  }
  for (std::size_t slot = 0; slot < kTabs.size(); ++slot) {
    tabs_[slot] = new RegionButton(kTabs[slot], this);
    tabs_[slot]->SetStickyLook(true);
    connect(tabs_[slot], &RegionButton::activated, this,
            [this, slot] { model_.ClickTab(static_cast<int>(slot)); });
  }
  for (std::size_t i = 0; i < kHeadings.size(); ++i) {
    const Rect& r = kHeadings[i].rect;
    auto* label = new QLabel(this);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setFont(DialogFont(kHeadingPixels));
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, QColor::fromRgb(kHeadingText));
    label->setPalette(colours);
    label->setGeometry(r.left + 10, r.top, r.Width() - 10, r.Height());
    headings_[i] = label;
  }
}

void ButtonPageView::ShowLanguage() {
  const skin_files::PageLooks& looks =
      model_.ChineseLayout() ? skin_files::kButtonPageChinese : skin_files::kButtonPageOther;
  background_ = LoadSkinPicture(programFolder_, looks.normal);
  const PagePictures pictures{background_,
                              LoadSkinPicture(programFolder_, looks.over),
                              LoadSkinPicture(programFolder_, looks.down),
                              background_,
                              {},
                              {}};
  const auto place = [&pictures](BitmapButton* button, const Rect& rect) {
    button->setGeometry(ToQRect(rect));
    button->SetPictures(rect, pictures);
  };
  for (std::size_t box = 0; box < kDpiBoxes.size(); ++box) {
    place(dpiBoxes_[box], kDpiBoxes[box]);
  }
  place(precision_, kPrecisionBox);
  for (std::size_t radio = 0; radio < kReportRateRadios.size(); ++radio) {
    place(rates_[radio], kReportRateRadios[radio]);
  }
  const WheelControls& wheel = model_.Wheel();
  place(linesRadio_, wheel.linesRadio);
  place(screenRadio_, wheel.screenRadio);
  place(plus_, wheel.plus);
  place(minus_, wheel.minus);
  for (std::size_t slot = 0; slot < kMarkers.size(); ++slot) {
    place(markers_[slot], kMarkers[slot]);
  }
  linesEdit_->setGeometry(ToQRect(wheel.linesEdit));
  linesEdit_->SetBackground(wheel.linesEdit, background_);
  speed_->SetBackground(kSpeedSlider, background_);
  sensor_->SetBackground(kSensorSlider, background_);
  PlaceCaption(*linesCaption_, wheel.linesRadio, wheel.linesRadio.Width() - kGlyphRoom);
  PlaceCaption(*screenCaption_, wheel.screenRadio, wheel.screenRadio.Width() - kGlyphRoom);
  const RegionPictures tabLooks{background_, pictures.pressed, pictures.hover, background_};
  for (RegionButton* tab : tabs_) {
    tab->SetPictures(tabLooks);
  }

  const QString dpiWanted = FromUtf8(model_.Text("str_dpiwant"));
  for (BitmapButton* box : dpiBoxes_) {
    box->setToolTip(dpiWanted);
  }
  const QString rate = FromUtf8(model_.Text("str_rollingrate"));
  for (BitmapButton* radio : rates_) {
    radio->setToolTip(rate);
  }
  const QString precision = FromUtf8(model_.Text("str_improveAccuracy"));
  precision_->setToolTip(precision);
  precision_->setAccessibleName(precision);
  precisionCaption_->setText(precision);
  const QString lines = FromUtf8(model_.Text("str_rollerColumn"));
  linesRadio_->setToolTip(lines);
  linesRadio_->setAccessibleName(lines);
  linesCaption_->setText(lines);
  linesEdit_->setAccessibleName(lines);
  const QString screen = FromUtf8(model_.Text("str_rollerScreen"));
  screenRadio_->setToolTip(screen);
  screenRadio_->setAccessibleName(screen);
  screenCaption_->setText(screen);
  plus_->setAccessibleName(FromUtf8(model_.StepButtonName(true)));
  minus_->setAccessibleName(FromUtf8(model_.StepButtonName(false)));
  speed_->setAccessibleName(FromUtf8(model_.Text("str_mouseSpeed")));
  sensor_->setAccessibleName(FromUtf8(model_.Text("str_sheight")));
  for (std::size_t i = 0; i < kHeadings.size(); ++i) {
    headings_[i]->setText(FromUtf8(model_.Text(kHeadings[i].caption)));
  }
  ShowTabs();
  update();
}

void ButtonPageView::ShowDpi() {
  for (std::size_t box = 0; box < dpiBoxes_.size(); ++box) {
    dpiBoxes_[box]->SetState(model_.DpiBoxChecked(box) ? 1 : 0);
  }
}

void ButtonPageView::ShowPointer() {
  speed_->SetPos(model_.PointerSpeed());
  sensor_->SetPos(model_.SensorHeight());
  precision_->SetState(model_.PrecisionChecked() ? 1 : 0);
}

void ButtonPageView::ShowReportRate() {
  for (std::size_t radio = 0; radio < rates_.size(); ++radio) {
    rates_[radio]->SetState(model_.SelectedReportRate() == kReportRates[radio] ? 1 : 0);
  }
}

void ButtonPageView::ShowWheel() {
  linesRadio_->SetState(model_.LinesSelected() ? 1 : 0);
  screenRadio_->SetState(model_.LinesSelected() ? 0 : 1);
  const bool enabled = model_.LinesControlsEnabled();
  linesEdit_->setEnabled(enabled);
  plus_->setEnabled(enabled);
  minus_->setEnabled(enabled);
}

void ButtonPageView::ShowLinesText() {
  const QString text = FromUtf8(model_.LinesText());
  if (linesEdit_->text() != text) {
    linesEdit_->setText(text);
  }
  linesEdit_->setCursorPosition(static_cast<int>(text.size()));
}

void ButtonPageView::ShowTabs() {
  for (std::size_t slot = 0; slot < tabs_.size(); ++slot) {
    tabs_[slot]->SetSelected(model_.TabSelected(static_cast<int>(slot)));
    tabs_[slot]->SetText(FromUtf8(model_.TabCaption(static_cast<int>(slot))));
  }
}

void ButtonPageView::ShowMarkers() {
  for (std::size_t slot = 0; slot < markers_.size(); ++slot) {
    markers_[slot]->SetState(model_.MarkerLit(static_cast<int>(slot)) ? 1 : 0);
  }
}

void ButtonPageView::Changed(ButtonPagePart part) {
  switch (part) {
    case ButtonPagePart::kDpi:
      ShowDpi();
      break;
    case ButtonPagePart::kPointer:
      ShowPointer();
      break;
    case ButtonPagePart::kReportRate:
      ShowReportRate();
      break;
    case ButtonPagePart::kWheel:
      ShowWheel();
      break;
    case ButtonPagePart::kLinesText:
      ShowLinesText();
      break;
    case ButtonPagePart::kTabs:
      ShowTabs();
      break;
    case ButtonPagePart::kMarkers:
      ShowMarkers();
      break;
    case ButtonPagePart::kLanguage:
      ShowLanguage();
      break;
  }
}

void ButtonPageView::OpenChooser(int slot) {
  emit chooserRequested(slot);
}

void ButtonPageView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (background_.isNull()) {
    painter.fillRect(rect(), QColor(0x1b, 0x1f, 0x26));
    return;
  }
  painter.drawPixmap(0, 0, background_);
}

void ButtonPageView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  model_.MouseMove({at.x(), at.y()});
}

// Enter, Esc and Space on the page itself neither reach the main window nor
// press anything; a focused control still takes them.
void ButtonPageView::keyPressEvent(QKeyEvent* event) {
  if (IsDialogKey(*event)) {
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

void ButtonPageView::keyReleaseEvent(QKeyEvent* event) {
  if (IsDialogKey(*event)) {
    event->accept();
    return;
  }
  QWidget::keyReleaseEvent(event);
}

}  // namespace n63k::ui
