#include "ui/pages/MacroPageView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <utility>

#include "core/pages/ListItems.h"
#include "core/pages/SkinFiles.h"
#include "ui/widgets/BitmapEdit.h"
#include "ui/widgets/CaptionFit.h"
#include "ui/widgets/PopupMenu.h"
#include "ui/widgets/SkinListBox.h"
#include "ui/widgets/SkinPicture.h"
#include "ui/widgets/SkinScrollBar.h"
#include "ui/widgets/SkinStyle.h"

namespace n63k::ui {

using macro_page::Control;

namespace {

constexpr int kFieldPixels = 13;
constexpr int kCaptionPixels = 12;
constexpr int kMarkRoom = 20;

QRect ToQRect(const Rect& r) {
  return {r.left, r.top, r.Width(), r.Height()};
}

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor FromRgb(std::uint32_t rgb) {
  return QColor::fromRgb(static_cast<QRgb>(rgb | 0xff000000u));
}

std::size_t IndexOf(Control control) {
  return static_cast<std::size_t>(control);
}

// The controls drawn as picture buttons, with the action of each.
constexpr std::array<Control, 15> kButtons = {
    Control::kGroupButton, Control::kNewMacro,      Control::kDeleteMacro,  Control::kInsert,
    Control::kDeleteEvent, Control::kModify,        Control::kRecord,       Control::kDelayToggle,
    Control::kLeftPicture, Control::kMiddlePicture, Control::kRightPicture, Control::kKeyOption,
    Control::kKeyOk,       Control::kDelayOption,   Control::kDelayOk,
};

bool IsPicture(Control control) {
  return control == Control::kLeftPicture || control == Control::kMiddlePicture ||
         control == Control::kRightPicture;
}

std::uint32_t PictureKey(Control control) {
  switch (control) {
    case Control::kLeftPicture:
      return macro_page::kLeftButtonKey;
    case Control::kRightPicture:
      return macro_page::kRightButtonKey;
    default:
      return macro_page::kMiddleButtonKey;
  }
}

}  // namespace

MacroPageView::MacroPageView(MacroPageModel& model, std::filesystem::path programFolder,
                             QWidget* parent)
    : QWidget(parent), model_(model), programFolder_(std::move(programFolder)) {
  setObjectName(QStringLiteral("macroPage"));
  setMouseTracking(true);
  resize(macro_page::kWidth, macro_page::kHeight);
  Build();
  ShowLanguage();
  ShowMacros();
  ShowEvents();
  model_.SetObserver(this);
  model_.SetKeyTarget(this);
}

MacroPageView::~MacroPageView() {
  model_.SetObserver(nullptr);
  model_.SetKeyTarget(nullptr);
}

void MacroPageView::Build() {
  for (const Control control : kButtons) {
    auto* button = new BitmapButton(macro_page::RectOf(control, false), this);
    buttons_[IndexOf(control)] = button;
    if (IsPicture(control)) {
      button->SetPressReport(true);
      connect(button, &BitmapButton::pressReported, this,
              [this, control](bool pressed) { model_.PressPicture(PictureKey(control), pressed); });
      continue;
    }
    const auto action = [this, control] {
      switch (control) {
        case Control::kGroupButton:
          return model_.OpenGroupMenu();
        case Control::kNewMacro:
          return model_.NewMacro();
        case Control::kDeleteMacro:
          return model_.DeleteMacro();
        case Control::kInsert:
          return model_.ClickInsert();
        case Control::kDeleteEvent:
          return model_.ClickDeleteEvent();
        case Control::kModify:
          return model_.ClickModify();
        case Control::kRecord:
          return model_.ToggleRecording();
        case Control::kDelayToggle:
          return model_.ClickDelayToggle();
        case Control::kKeyOption:
          return model_.ClickKeyOption();
        case Control::kKeyOk:
          return model_.ClickKeyOk();
        case Control::kDelayOption:
          return model_.ClickDelayOption();
        case Control::kDelayOk:
          return model_.ClickDelayOk();
        default:
          return;
      }
    };
    connect(button, &QAbstractButton::clicked, this, action);
  }
  for (const Control toggle : {Control::kDelayToggle, Control::kKeyOption, Control::kDelayOption}) {
    buttons_[IndexOf(toggle)]->SetBehaviour(true, false);
  }
  buttons_[IndexOf(Control::kGroupButton)]->SetTextColours(FromRgb(macro_page::kGroupText),
                                                           Qt::white, Qt::white);
  buttons_[IndexOf(Control::kRecord)]->SetTextColours(FromRgb(macro_page::kRecordText), Qt::white,
                                                      Qt::white);

  const auto makeField = [this](Control control, int length, bool digits) {
    auto* field = new BitmapEdit(macro_page::RectOf(control, false), kFieldPixels, this);
    QPalette colours = field->palette();
    colours.setColor(QPalette::Text, FromRgb(macro_page::kFieldText));
    colours.setColor(QPalette::Base, FromRgb(macro_page::kFieldBackground));
    field->setPalette(colours);
    if (digits) {
      field->setMaxLength(length);
      field->setValidator(
          new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
    }
    return field;
  };
  loopField_ = makeField(Control::kLoopField, macro_page::kLoopFieldDigits, true);
  loopField_->setAlignment(Qt::AlignCenter);
  connect(loopField_, &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.EditLoopText(text.toStdString()); });
  // The key field shows the captured key's name; typing only captures.
  keyField_ = makeField(Control::kKeyField, macro_page::kKeyFieldCharacters, false);
  keyField_->setReadOnly(true);
  delayField_ = makeField(Control::kDelayField, macro_page::kDelayFieldDigits, true);
  connect(delayField_, &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.EditDelayText(text.toStdString()); });
  connect(delayField_, &QLineEdit::returnPressed, this, [this] { model_.ClickDelayOk(); });

  const QPixmap scrollBar = LoadSkinPicture(programFolder_, skin_files::kScrollBar);
  const auto makeList = [&](Control control, bool rename) {
    auto* list = new SkinListBox(programFolder_, this);
    list->SetColours(FromRgb(macro_page::kListBackground), FromRgb(macro_page::kListBackground));
    list->SetTextColours(FromRgb(macro_page::kListText), FromRgb(macro_page::kListSelectedText));
    list->SetItemHeight(macro_page::kListItemHeight);
    list->SetRenameEnabled(rename);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setGeometry(ToQRect(macro_page::RectOf(control, false)));
    AttachSkinScroll(*list, scrollBar);
    list->viewport()->installEventFilter(this);
    return list;
  };
  macroList_ = makeList(Control::kMacroList, true);
  eventList_ = makeList(Control::kEventList, false);
  connect(macroList_, &SkinListBox::selectionChangedByUser, this,
          [this](int row) { model_.SelectMacro(row); });
  connect(macroList_, &SkinListBox::renamed, this, [this](int row) {
    model_.RenameMacro(row, macroList_->item(row)->text().toStdString());
  });
  connect(eventList_, &SkinListBox::selectionChangedByUser, this,
          [this](int row) { model_.SelectEvent(row); });

  menu_ = new PopupMenu(this);
  connect(menu_, &PopupMenu::picked, this,
          [this](std::uint16_t command) { model_.PickGroupMenu(command); });

  // Tab order follows the page from left to right.
  QWidget* previous = buttons_[IndexOf(Control::kGroupButton)];
  for (QWidget* next : std::initializer_list<QWidget*>{
           macroList_, buttons_[IndexOf(Control::kNewMacro)],
           buttons_[IndexOf(Control::kDeleteMacro)], eventList_,
           buttons_[IndexOf(Control::kInsert)], buttons_[IndexOf(Control::kDeleteEvent)],
           buttons_[IndexOf(Control::kModify)], buttons_[IndexOf(Control::kRecord)],
           buttons_[IndexOf(Control::kDelayToggle)], loopField_,
           buttons_[IndexOf(Control::kLeftPicture)], buttons_[IndexOf(Control::kMiddlePicture)],
           buttons_[IndexOf(Control::kRightPicture)], buttons_[IndexOf(Control::kKeyOption)],
           keyField_, buttons_[IndexOf(Control::kKeyOk)], buttons_[IndexOf(Control::kDelayOption)],
           delayField_, buttons_[IndexOf(Control::kDelayOk)]}) {
    setTabOrder(previous, next);
    previous = next;
  }
}

BitmapButton* MacroPageView::Button(Control control) const {
  return buttons_[IndexOf(control)];
}

BitmapEdit* MacroPageView::Field(Control control) const {
  switch (control) {
    case Control::kLoopField:
      return loopField_;
    case Control::kKeyField:
      return keyField_;
    case Control::kDelayField:
      return delayField_;
    default:
      return nullptr;
  }
}

void MacroPageView::ShowLanguage() {
  const bool chinese = model_.ChineseUi();
  shownChinese_ = chinese;
  const skin_files::BoxLooks& looks =
      chinese ? skin_files::kMacroPageChinese : skin_files::kMacroPageOther;
  background_ = LoadSkinPicture(programFolder_, looks.normal);
  const PagePictures pictures{background_,
                              LoadSkinPicture(programFolder_, looks.hover),
                              LoadSkinPicture(programFolder_, looks.pressed),
                              {},
                              {},
                              {}};
  // The mouse pictures look pressed while hovered.
  const PagePictures mousePictures{background_, pictures.pressed, pictures.pressed, {}, {}, {}};
  for (const Control control : kButtons) {
    BitmapButton* button = buttons_[IndexOf(control)];
    const Rect rect = macro_page::RectOf(control, chinese);
    button->setGeometry(ToQRect(rect));
    button->SetPictures(rect, IsPicture(control) ? mousePictures : pictures);
    // The record button's dot and the boxes' marks sit left of the caption.
    if (control == Control::kRecord || control == Control::kDelayToggle ||
        control == Control::kKeyOption || control == Control::kDelayOption) {
      button->SetTextRect({kMarkRoom, 0, rect.Width(), rect.Height()});
    }
  }
  for (BitmapEdit* field : {loopField_, keyField_, delayField_}) {
    const Control control = field == loopField_  ? Control::kLoopField
                            : field == keyField_ ? Control::kKeyField
                                                 : Control::kDelayField;
    const Rect rect = macro_page::RectOf(control, chinese);
    field->setGeometry(ToQRect(rect));
    field->SetBackground(rect, background_);
  }
  ShowControls();
  update();
}

void MacroPageView::ShowMacros() {
  macroList_->setUpdatesEnabled(false);
  macroList_->ResetContent();
  for (const MacroListItem& macro : model_.Macros()) {
    macroList_->AddItem(0, FromUtf8(macro.name), macro.identifier, false);
  }
  macroList_->Select(model_.SelectedMacro());
  macroList_->setUpdatesEnabled(true);
}

void MacroPageView::ShowEvents() {
  eventList_->setUpdatesEnabled(false);
  eventList_->ResetContent();
  const std::vector<std::uint32_t>& events = model_.Events();
  for (std::size_t i = 0; i < events.size(); ++i) {
    eventList_->AddItem(ListItemType(events[i]), FromUtf8(model_.EventText(i)), events[i], false);
  }
  eventList_->Select(model_.SelectedEvent());
  if (model_.SelectedEvent() >= 0) {
    eventList_->scrollToItem(eventList_->item(model_.SelectedEvent()));
  }
  eventList_->setUpdatesEnabled(true);
}

void MacroPageView::ShowControls() {
  for (const Control control : kButtons) {
    BitmapButton* button = buttons_[IndexOf(control)];
    button->SetText(FromUtf8(model_.Caption(control)));
    button->setToolTip(FromUtf8(model_.Tooltip(control)));
    button->setAccessibleName(FromUtf8(model_.AccessibleName(control)));
    button->setVisible(model_.Shown(control));
  }
  for (const Control control : {Control::kNewMacro, Control::kDeleteMacro, Control::kInsert,
                                Control::kDeleteEvent, Control::kModify}) {
    buttons_[IndexOf(control)]->setEnabled(model_.ButtonsEnabled());
  }
  buttons_[IndexOf(Control::kDelayToggle)]->SetState(model_.DelayToggleOn() ? 1 : 0);
  buttons_[IndexOf(Control::kKeyOption)]->SetState(model_.OptionOn(Control::kKeyOption) ? 1 : 0);
  buttons_[IndexOf(Control::kDelayOption)]->SetState(model_.OptionOn(Control::kDelayOption) ? 1
                                                                                            : 0);
  const auto showField = [this](BitmapEdit* field, Control control, const std::string& text) {
    field->setAccessibleName(FromUtf8(model_.AccessibleName(control)));
    field->setVisible(model_.Shown(control));
    if (field->text() != FromUtf8(text)) {
      field->setText(FromUtf8(text));
    }
  };
  showField(loopField_, Control::kLoopField, model_.LoopText());
  loopField_->setToolTip(FromUtf8(model_.Caption(Control::kLoopField)));
  showField(keyField_, Control::kKeyField, model_.KeyFieldText());
  showField(delayField_, Control::kDelayField, model_.DelayFieldText());
  macroList_->setAccessibleName(FromUtf8(model_.AccessibleName(Control::kMacroList)));
  eventList_->setAccessibleName(FromUtf8(model_.AccessibleName(Control::kEventList)));
}

void MacroPageView::ShowGroupMenu() {
  if (model_.GroupMenuOpen()) {
    const Point at = model_.GroupMenuPoint();
    menu_->Open(mapToGlobal(QPoint(at.x, at.y)), model_.GroupMenuItems());
    // A menu closed without a choice is closed for the page too.
    connect(menu_->Menu(), &QMenu::aboutToHide, this, [this] {
      QMetaObject::invokeMethod(
          this, [this] { model_.CloseGroupMenu(); }, Qt::QueuedConnection);
    });
  } else {
    menu_->Close();
  }
}

void MacroPageView::MacroPageChanged(MacroPagePart part) {
  switch (part) {
    case MacroPagePart::kMacroList:
      ShowMacros();
      break;
    case MacroPagePart::kEvents:
      ShowEvents();
      break;
    case MacroPagePart::kControls:
      if (shownChinese_ != model_.ChineseUi()) {
        ShowLanguage();
      } else {
        ShowControls();
      }
      update();
      break;
    case MacroPagePart::kGroupMenu:
      ShowGroupMenu();
      break;
  }
}

void MacroPageView::StartRename(int index) {
  macroList_->Select(index);
  macroList_->editItem(macroList_->item(index));
}

void MacroPageView::FinishRename() {
  macroList_->FinishEdit();
}

void MacroPageView::FocusControl(Control control) {
  if (BitmapEdit* field = Field(control)) {
    field->setFocus(Qt::OtherFocusReason);
  } else if (BitmapButton* button = buttons_[IndexOf(control)]) {
    button->setFocus(Qt::OtherFocusReason);
  }
}

void MacroPageView::CapturedInput(std::uint32_t key, std::uint32_t flags) {
  QMetaObject::invokeMethod(
      this, [this, key, flags] { model_.CapturedInput(key, flags); }, Qt::QueuedConnection);
}

void MacroPageView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (background_.isNull()) {
    painter.fillRect(rect(), FromRgb(macro_page::kListBackground));
  } else {
    painter.drawPixmap(0, 0, background_);
  }
  // The lists' titles and the loop field's label.
  painter.setFont(DialogFont(kCaptionPixels));
  painter.setPen(FromRgb(macro_page::kGroupText));
  const bool chinese = model_.ChineseUi();
  for (const Control title : {Control::kGroupZone, Control::kEventZone}) {
    const QRect area = ToQRect(macro_page::RectOf(title, chinese));
    painter.drawText(area, Qt::AlignCenter,
                     FitCaption(painter, this, CaptionKind::kLabel, FromUtf8(model_.Caption(title)),
                                area.size(), false));
  }
  const Rect loop = macro_page::RectOf(Control::kLoopField, chinese);
  const QRect loopLabel(loop.left - 160, loop.top - 2, 150, loop.Height() + 4);
  painter.drawText(
      loopLabel, Qt::AlignRight | Qt::AlignVCenter,
      FitCaption(painter, this, CaptionKind::kLabel, FromUtf8(model_.Caption(Control::kLoopField)),
                 loopLabel.size(), false));
}

void MacroPageView::MovedTo(QPoint point) {
  if (point != lastMove_) {
    lastMove_ = point;
    model_.MouseMove({point.x(), point.y()});
  }
}

void MacroPageView::mouseMoveEvent(QMouseEvent* event) {
  MovedTo(event->position().toPoint());
  QWidget::mouseMoveEvent(event);
}

void MacroPageView::mousePressEvent(QMouseEvent* event) {
  model_.CloseGroupMenu();
  QWidget::mousePressEvent(event);
}

bool MacroPageView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove) {
    auto* viewport = static_cast<QWidget*>(watched);
    const auto* move = static_cast<QMouseEvent*>(event);
    MovedTo(viewport->mapTo(this, move->position().toPoint()));
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace n63k::ui
