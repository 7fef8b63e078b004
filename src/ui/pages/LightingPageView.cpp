#include "ui/pages/LightingPageView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <utility>

#include "core/pages/SkinFiles.h"
#include "ui/widgets/BitmapEdit.h"
#include "ui/widgets/ColourButton.h"
#include "ui/widgets/SkinPicture.h"
#include "ui/widgets/SliderBar.h"

namespace n63k::ui {

using lighting_page::Control;

namespace {

QRect ToQRect(const Rect& r) {
  return QRect(r.left, r.top, r.Width(), r.Height());
}

QColor ToQColor(std::uint32_t colourRef) {
  return QColor(static_cast<int>(colourRef & 0xFF), static_cast<int>((colourRef >> 8) & 0xFF),
                static_cast<int>((colourRef >> 16) & 0xFF));
}

struct SliderPlace {
  Control control;
  int id;
  int minimum;
  int maximum;
};

constexpr std::array<SliderPlace, 6> kSliders = {{
    {Control::kSpeedSlider, lighting_page::kSpeedSliderId, 1, 5},
    {Control::kBrightnessSlider, lighting_page::kBrightnessSliderId, 1, 10},
    {Control::kCycleSpeedSlider, lighting_page::kCycleSpeedSliderId, 1, 3},
    {Control::kRedSlider, lighting_page::kRedSliderId, 0, 255},
    {Control::kGreenSlider, lighting_page::kGreenSliderId, 0, 255},
    {Control::kBlueSlider, lighting_page::kBlueSliderId, 0, 255},
}};

constexpr std::array<Control, 4> kSwatches = {Control::kSwatch1, Control::kSwatch2,
                                              Control::kSwatch3, Control::kCurrentSwatch};

constexpr std::array<Control, 6> kModes = {Control::kMode1, Control::kMode2, Control::kMode3,
                                           Control::kMode4, Control::kMode5, Control::kMode6};

constexpr std::array<Control, 6> kZones = {
    Control::kBacklightZone,     Control::kProximityZone, Control::kColourSettingsZone,
    Control::kCurrentColourZone, Control::kPresetZone,    Control::kCustomZone};

bool IsButton(Control control) {
  for (const SliderPlace& slider : kSliders) {
    if (slider.control == control) {
      return false;
    }
  }
  for (const Control swatch : kSwatches) {
    if (swatch == control) {
      return false;
    }
  }
  return true;
}

}  // namespace

LightingPageView::LightingPageView(LightingPage& model, std::filesystem::path programFolder,
                                   QWidget* parent)
    : QWidget(parent), model_(model), programFolder_(std::move(programFolder)) {
  setObjectName(QStringLiteral("lightingPage"));
  setMouseTracking(true);
  resize(lighting_page::kWidth, lighting_page::kHeight);
  LoadLooks();
  BuildControls();
  Place();
  ShowCaptions();
  model_.SetObserver(this);
  LightingChanged();
}

LightingPageView::~LightingPageView() {
  model_.SetObserver(nullptr);
}

void LightingPageView::LoadLooks() {
  const skin_files::LightingLooks& looks =
      model_.ChineseLayout() ? skin_files::kLightingChinese : skin_files::kLightingOther;
  pictures_ = PagePictures{LoadSkinPicture(programFolder_, looks.normal),
                           LoadSkinPicture(programFolder_, looks.hover),
                           LoadSkinPicture(programFolder_, looks.pressed),
                           LoadSkinPicture(programFolder_, looks.disabled),
                           {},
                           {}};
  shown_ = pictures_.normal.toImage();
}

void LightingPageView::BuildControls() {
  for (std::size_t i = 0; i < lighting_page::kControlCount; ++i) {
    const auto control = static_cast<Control>(i);
    if (!IsButton(control)) {
      continue;
    }
    auto* button = new BitmapButton(model_.RectOf(control), this);
    button->SetBehaviour(true, false);
    buttons_[i] = button;
  }
  for (const Control zone : kZones) {
    BitmapButton* label = Button(zone);
    label->SetHoverLook(false);
    label->setFocusPolicy(Qt::NoFocus);
    // Labels use their whole width; buttons keep a margin.
    const Rect rect = model_.RectOf(zone);
    label->SetTextRect({-5, 0, rect.Width() + 5, rect.Height()});
  }
  for (int mode = 1; mode <= 6; ++mode) {
    connect(Button(kModes[static_cast<std::size_t>(mode - 1)]), &QAbstractButton::clicked, this,
            [this, mode] { model_.ClickMode(mode); });
  }
  connect(Button(Control::kMultiColour), &QAbstractButton::clicked, this,
          [this] { model_.ClickMultiColour(); });
  connect(Button(Control::kProximityOn), &QAbstractButton::clicked, this,
          [this] { model_.ClickProximity(true); });
  connect(Button(Control::kProximityOff), &QAbstractButton::clicked, this,
          [this] { model_.ClickProximity(false); });

  const QPixmap thumb = LoadSkinPicture(programFolder_, skin_files::kSliderThumb);
  for (std::size_t i = 0; i < kSliders.size(); ++i) {
    const SliderPlace& place = kSliders[i];
    auto* slider = new SliderBar(thumb, model_.RectOf(place.control), place.id, this);
    slider->SetRange(place.minimum, place.maximum);
    connect(slider, &SliderBar::valueChanged, this,
            [this](int value, int id) { model_.MoveSlider(id, value); });
    sliders_[i] = slider;
  }

  for (std::size_t i = 0; i < kSwatches.size(); ++i) {
    auto* swatch = new ColourButton(ToQRect(model_.RectOf(kSwatches[i])), this);
    swatch->SetFrame(true);
    swatches_[i] = swatch;
    if (i < kSingleColourSlot) {
      connect(swatch, &QAbstractButton::clicked, this,
              [this, i] { model_.ClickSwatch(static_cast<int>(i)); });
    }
  }

  for (std::size_t c = 0; c < numbers_.size(); ++c) {
    auto* number = new BitmapEdit(lighting_page::kNumbers[c], 12, this);
    number->setReadOnly(true);
    number->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), number));
    number->setEnabled(false);
    number->setAlignment(Qt::AlignCenter);
    numbers_[c] = number;
  }

  for (int k = 0; k < kPaletteSize; ++k) {
    auto* button = new BitmapButton(model_.PaletteRect(k), this);
    button->SetBehaviour(true, false);
    button->setAccessibleName(QStringLiteral("#%1").arg(k + 1));
    connect(button, &QAbstractButton::clicked, this, [this, k] { model_.ClickPalette(k); });
    palette_[static_cast<std::size_t>(k)] = button;
  }
}

void LightingPageView::Place() {
  for (std::size_t i = 0; i < lighting_page::kControlCount; ++i) {
    if (buttons_[i] != nullptr) {
      const Rect rect = model_.RectOf(static_cast<Control>(i));
      buttons_[i]->setGeometry(ToQRect(rect));
      buttons_[i]->SetPictures(rect, pictures_);
    }
  }
  for (std::size_t i = 0; i < kSliders.size(); ++i) {
    const Rect rect = model_.RectOf(kSliders[i].control);
    sliders_[i]->setGeometry(ToQRect(rect));
    sliders_[i]->SetTrack(rect);
    sliders_[i]->SetBackground(rect, pictures_.normal);
  }
  for (std::size_t i = 0; i < kSwatches.size(); ++i) {
    swatches_[i]->setGeometry(ToQRect(model_.RectOf(kSwatches[i])));
  }
  for (std::size_t c = 0; c < numbers_.size(); ++c) {
    numbers_[c]->SetBackground(lighting_page::kNumbers[c], pictures_.normal);
  }
  for (int k = 0; k < kPaletteSize; ++k) {
    const Rect rect = model_.PaletteRect(k);
    palette_[static_cast<std::size_t>(k)]->setGeometry(ToQRect(rect));
    palette_[static_cast<std::size_t>(k)]->SetPictures(rect, pictures_);
  }
  update();
}

void LightingPageView::ShowCaptions() {
  for (std::size_t i = 0; i < lighting_page::kControlCount; ++i) {
    const auto control = static_cast<Control>(i);
    const QString tooltip = QString::fromStdString(model_.Tooltip(control));
    QWidget* widget = buttons_[i];
    if (buttons_[i] != nullptr) {
      buttons_[i]->SetText(QString::fromStdString(model_.Caption(control)));
    }
    for (std::size_t s = 0; s < kSliders.size(); ++s) {
      if (kSliders[s].control == control) {
        widget = sliders_[s];
      }
    }
    for (std::size_t s = 0; s < kSwatches.size(); ++s) {
      if (kSwatches[s] == control) {
        widget = swatches_[s];
      }
    }
    widget->setAccessibleName(tooltip);
    widget->setToolTip(tooltip);
  }
  const QString custom = QString::fromStdString(model_.Tooltip(Control::kRedSlider));
  for (std::size_t c = 0; c < numbers_.size(); ++c) {
    numbers_[c]->setAccessibleName(custom);
  }
}

void LightingPageView::LightingChanged() {
  for (int mode = 1; mode <= 6; ++mode) {
    Button(kModes[static_cast<std::size_t>(mode - 1)])->SetState(model_.ModeOn(mode) ? 1 : 0);
  }
  Button(Control::kMultiColour)->SetState(model_.MultiColourOn() ? 1 : 0);
  Button(Control::kMultiColour)->setEnabled(model_.Enabled(Control::kMultiColour));
  Button(Control::kProximityOn)->SetState(model_.ProximityOn() ? 1 : 0);
  Button(Control::kProximityOff)->SetState(model_.ProximityOn() ? 0 : 1);
  for (std::size_t i = 0; i < kSliders.size(); ++i) {
    sliders_[i]->setEnabled(model_.Enabled(kSliders[i].control));
    sliders_[i]->SetPos(model_.SliderPos(kSliders[i].id));
  }
  for (std::size_t i = 0; i < kSwatches.size(); ++i) {
    swatches_[i]->SetColour(ToQColor(model_.SwatchColour(static_cast<int>(i))));
    swatches_[i]->setEnabled(model_.Enabled(kSwatches[i]));
    swatches_[i]->SetSelected(model_.ColourSlot() == static_cast<int>(i));
  }
  for (std::size_t c = 0; c < numbers_.size(); ++c) {
    numbers_[c]->setText(QString::fromStdString(model_.NumberText(static_cast<int>(c))));
  }
  for (int k = 0; k < kPaletteSize; ++k) {
    BitmapButton* button = palette_[static_cast<std::size_t>(k)];
    button->setEnabled(model_.PaletteEnabled());
    button->SetState(model_.LitPalette() == k ? 1 : 0);
  }
}

void LightingPageView::LightingCaptionsChanged() {
  LoadLooks();
  Place();
  ShowCaptions();
  LightingChanged();
}

BitmapButton* LightingPageView::Button(Control control) const {
  return buttons_[static_cast<std::size_t>(control)];
}

SliderBar* LightingPageView::Slider(int id) const {
  for (std::size_t i = 0; i < kSliders.size(); ++i) {
    if (kSliders[i].id == id) {
      return sliders_[i];
    }
  }
  return nullptr;
}

void LightingPageView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!pictures_.normal.isNull()) {
    painter.drawPixmap(0, 0, pictures_.normal);
  }
}

std::uint32_t LightingPageView::ShownColourAt(const QPoint& point) const {
  const qreal ratio = pictures_.normal.devicePixelRatio();
  const QPoint pixel(static_cast<int>(point.x() * ratio), static_cast<int>(point.y() * ratio));
  if (!shown_.valid(pixel)) {
    return 0;
  }
  const QRgb rgb = shown_.pixel(pixel);
  return static_cast<std::uint32_t>(qRed(rgb)) | static_cast<std::uint32_t>(qGreen(rgb)) << 8 |
         static_cast<std::uint32_t>(qBlue(rgb)) << 16;
}

void LightingPageView::FollowPointer(const QPoint& point) {
  if (model_.WheelCursorAt({point.x(), point.y()})) {
    setCursor(Qt::CrossCursor);
  } else {
    unsetCursor();
  }
}

void LightingPageView::mousePressEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  FollowPointer(point);
  if (event->button() == Qt::LeftButton) {
    model_.PressWheel({point.x(), point.y()}, ShownColourAt(point));
  }
  QWidget::mousePressEvent(event);
}

void LightingPageView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  FollowPointer(point);
  if (point != lastMove_) {
    lastMove_ = point;
    model_.MouseMove({point.x(), point.y()});
  }
  QWidget::mouseMoveEvent(event);
}

void LightingPageView::mouseReleaseEvent(QMouseEvent* event) {
  FollowPointer(event->position().toPoint());
  QWidget::mouseReleaseEvent(event);
}

void LightingPageView::mouseDoubleClickEvent(QMouseEvent* event) {
  FollowPointer(event->position().toPoint());
  QWidget::mouseDoubleClickEvent(event);
}

}  // namespace n63k::ui
