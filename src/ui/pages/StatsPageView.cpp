#include "ui/pages/StatsPageView.h"

#include <QMouseEvent>
#include <QPainter>
#include <utility>

#include "core/pages/SkinPictures.h"
#include "ui/widgets/CaptionFit.h"
#include "ui/widgets/SkinPicture.h"
#include "ui/widgets/SkinStyle.h"

namespace n63k::ui {

using stats_page::Figure;

namespace {

QRect ToQRect(const Rect& r) {
  return QRect(r.left, r.top, r.Width(), r.Height());
}

// The trophy's caption sits under the cup, at the foot of its picture.
constexpr Rect kTrophyCaption{0, 405, stats_page::kTrophy.Width(), 435};

}  // namespace

StatsPageView::StatsPageView(StatsPage& model, std::filesystem::path programFolder, QWidget* parent)
    : QWidget(parent), model_(model), programFolder_(std::move(programFolder)) {
  setObjectName(QStringLiteral("statisticsPage"));
  setMouseTracking(true);
  resize(stats_page::kWidth, stats_page::kHeight);
  pictures_ = PagePictures{LoadSkinPicture(programFolder_, skin_files::kStatsNormal),
                           LoadSkinPicture(programFolder_, skin_files::kStatsOver),
                           LoadSkinPicture(programFolder_, skin_files::kStatsDown),
                           {},
                           {},
                           {}};

  trophy_ = new BitmapButton(stats_page::kTrophy, this);
  trophy_->SetHoverLook(false);
  trophy_->setFocusPolicy(Qt::NoFocus);
  trophy_->SetTextRect(kTrophyCaption);
  for (int i = 0; i < kTrophyCount; ++i) {
    const Rect rect = stats_page::SmallTrophyRect(i);
    auto* small = new BitmapButton(rect, this);
    small->SetPictures(rect, pictures_);
    small->SetBehaviour(true, false);
    small->SetHoverLook(false);
    small->setFocusPolicy(Qt::NoFocus);
    small->setAttribute(Qt::WA_TransparentForMouseEvents);
    smallTrophies_[static_cast<std::size_t>(i)] = small;
  }
  reset_ = new BitmapButton(stats_page::kReset, this);
  reset_->SetPictures(stats_page::kReset, pictures_);
  connect(reset_, &QAbstractButton::clicked, this, [this] { model_.PressReset(); });

  ShowCaptions();
  ShowTrophies();
  model_.SetObserver(this);
}

StatsPageView::~StatsPageView() {
  model_.SetObserver(nullptr);
}

void StatsPageView::StatsChanged(StatsPart part) {
  switch (part) {
    case StatsPart::kFigures:
    case StatsPart::kDistance:
      update();
      break;
    case StatsPart::kTrophies:
      ShowTrophies();
      break;
    case StatsPart::kCaptions:
      ShowCaptions();
      break;
  }
}

void StatsPageView::ShowTrophies() {
  const QPixmap cup = LoadSkinPicture(programFolder_, skin_files::TrophyFile(model_.TrophyLevel()));
  trophy_->SetPictures({0, 0, stats_page::kTrophy.Width(), stats_page::kTrophy.Height()},
                       PagePictures{cup, cup, cup, cup, {}, {}});
  for (int i = 0; i < kTrophyCount; ++i) {
    BitmapButton* small = smallTrophies_[static_cast<std::size_t>(i)];
    small->SetState(i < model_.LitTrophies() ? 1 : 0);
    small->setAccessibleName(QString::number(i));
  }
  update();
}

void StatsPageView::ShowCaptions() {
  const QString cups = QString::fromStdString(model_.TrophyCaption());
  trophy_->SetText(cups);
  trophy_->setToolTip(cups);
  const QString reset = QString::fromStdString(model_.ResetCaption());
  reset_->SetText(reset);
  // The labels beside the figures follow the language too.
  update();
}

void StatsPageView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!pictures_.normal.isNull()) {
    painter.drawPixmap(0, 0, pictures_.normal);
  }
  // The level bar shows the lit look over as much of its track as reached.
  const Rect bar = model_.LevelBarRect();
  if (!pictures_.pressed.isNull()) {
    painter.drawPixmap(ToQRect(bar), CutSkinPicture(pictures_.pressed, bar));
  }

  painter.setFont(DialogFont(stats_page::kFigurePixels));
  painter.setPen(QColor(QRgb(stats_page::kFigureColour)));
  for (std::size_t i = 0; i < stats_page::kFigureCount; ++i) {
    const auto figure = static_cast<Figure>(i);
    const QRect area = ToQRect(model_.FigureRect(figure));
    painter.drawText(
        area, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
        FitCaption(painter, this, CaptionKind::kLabel,
                   QString::fromStdString(model_.FigureText(figure)), area.size(), false));
    const QRect label(stats_page::kLabelLeft, area.top(), area.left() - stats_page::kLabelLeft - 8,
                      area.height());
    const std::string_view text = model_.Label(figure);
    painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     FitCaption(painter, this, CaptionKind::kLabel,
                                QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                                label.size(), false));
  }
}

void StatsPageView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  if (point != lastMove_) {
    lastMove_ = point;
    model_.MouseMove({point.x(), point.y()});
  }
  QWidget::mouseMoveEvent(event);
}

}  // namespace n63k::ui
