#include "ui/widgets/SkinListBox.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolTip>

#include "core/pages/ListItems.h"
#include "core/pages/SkinPictures.h"
#include "ui/widgets/CaptionFit.h"
#include "ui/widgets/SkinPicture.h"
#include "ui/widgets/SkinStyle.h"

namespace n63k::ui {

namespace {

constexpr int kTextPixels = 14;
constexpr int kIconLeft = 5;
constexpr int kIconTop = 1;
constexpr int kDataRole = Qt::UserRole;

}  // namespace

// Paints the items in the list's colours and opens the in-place editor.
class SkinListDelegate final : public QStyledItemDelegate {
 public:
  explicit SkinListDelegate(SkinListBox& list) : QStyledItemDelegate(&list), list_(list) {}

  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
    return {list_.viewport()->width(), list_.ItemHeight()};
  }

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    painter->save();
    painter->fillRect(option.rect, selected ? list_.Selection() : list_.Background());
    const auto data = index.data(kDataRole).toUInt();
    const std::uint8_t type = list_.IconsShown() ? ListItemType(data) : 0;
    const QPixmap icon = list_.IconsShown() ? list_.Icon(type, selected) : QPixmap();
    const QSize iconSize(skin_files::kListIconSize.width, skin_files::kListIconSize.height);
    if (!icon.isNull()) {
      painter->drawPixmap(QRect(option.rect.topLeft() + QPoint(kIconLeft, kIconTop), iconSize),
                          icon);
    }
    QColor colour = selected ? list_.SelectedText() : list_.Text();
    if (!list_.isEnabled()) {
      colour = QColor::fromRgb(kDisabledText);
    }
    painter->setPen(colour);
    painter->setFont(list_.font());
    const int left = ListTextLeft(list_.IconsShown(), type, iconSize.width());
    const QRect textArea = option.rect.adjusted(left, 0, 0, 0);
    const QString text = index.data(Qt::DisplayRole).toString();
    painter->drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      FitCaption(*painter, &list_, CaptionKind::kListEntry, text, textArea.size()));
    painter->restore();
  }

  // An entry cut to its row shows its whole text when the pointer rests on it.
  bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                 const QModelIndex& index) override {
    if (event == nullptr || event->type() != QEvent::ToolTip) {
      return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    const auto data = index.data(kDataRole).toUInt();
    const std::uint8_t type = list_.IconsShown() ? ListItemType(data) : 0;
    const int room = option.rect.width() -
                     ListTextLeft(list_.IconsShown(), type, skin_files::kListIconSize.width);
    if (QFontMetrics(list_.font()).horizontalAdvance(text) > room) {
      QToolTip::showText(event->globalPos(), text, view);
    } else {
      QToolTip::hideText();
    }
    return true;
  }

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                        const QModelIndex& index) const override {
    list_.edited_ = index;
    auto* editor = new QLineEdit(parent);
    editor->setMaxLength(kListRenameLimit);
    editor->setFont(list_.font());
    editor->setFrame(true);
    return editor;
  }

  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                            const QModelIndex&) const override {
    editor->setGeometry(option.rect);
  }

  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    auto* line = static_cast<QLineEdit*>(editor);
    line->setText(index.data(Qt::DisplayRole).toString());
    line->selectAll();
  }

  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override {
    model->setData(index, static_cast<QLineEdit*>(editor)->text(), Qt::DisplayRole);
    list_.EmitRenamed(index.row());
  }

 private:
  SkinListBox& list_;
};

SkinListBox::SkinListBox(std::filesystem::path programFolder, QWidget* parent)
    : QListWidget(parent), programFolder_(std::move(programFolder)) {
  const QPalette system = palette();
  selection_ = system.color(QPalette::Highlight);
  selectedText_ = system.color(QPalette::HighlightedText);
  setFont(DialogFont(kTextPixels));
  setFrameShape(QFrame::NoFrame);
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setItemDelegate(new SkinListDelegate(*this));
  setMouseTracking(true);
  connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!changing_) {
      emit selectionChangedByUser(row);
    }
  });
}

QListWidgetItem* SkinListBox::MakeItem(std::uint8_t type, const QString& text,
                                       std::uint32_t value) {
  auto* item = new QListWidgetItem(text);
  item->setData(kDataRole, ListItemData(type, value));
  item->setFlags(item->flags() | Qt::ItemIsEditable);
  return item;
}

void SkinListBox::Select(int index) {
  changing_ = true;
  setCurrentRow(index);
  changing_ = false;
}

void SkinListBox::FinishEdit() {
  if (QWidget* editor = indexWidget(edited_); editor != nullptr) {
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
  }
}

void SkinListBox::AddItem(std::uint8_t type, const QString& text, std::uint32_t value,
                          bool startEdit) {
  // An open editor is dropped, not committed: the list is changing under it.
  if (QListWidgetItem* edited = currentItem();
      edited != nullptr && isPersistentEditorOpen(edited)) {
    closePersistentEditor(edited);
  }
  changing_ = true;
  addItem(MakeItem(type, text, value));
  changing_ = false;
  iconsShown_ = type != 0;
  Select(count() - 1);
  viewport()->update();
  if (startEdit) {
    editItem(item(count() - 1));
  }
}

void SkinListBox::InsertItem(int index, std::uint8_t type, const QString& text,
                             std::uint32_t value) {
  changing_ = true;
  insertItem(index, MakeItem(type, text, value));
  changing_ = false;
  Select(index);
}

void SkinListBox::SetItem(int index, std::uint8_t type, const QString& text, std::uint32_t value) {
  changing_ = true;
  delete takeItem(index);
  insertItem(index, MakeItem(type, text, value));
  changing_ = false;
  Select(index);
}

void SkinListBox::DeleteItem(int index) {
  changing_ = true;
  delete takeItem(index);
  changing_ = false;
}

void SkinListBox::ResetContent() {
  changing_ = true;
  clear();
  changing_ = false;
}

std::uint32_t SkinListBox::ItemData(int index) const {
  const QListWidgetItem* found = item(index);
  return found == nullptr ? 0 : found->data(kDataRole).toUInt();
}

void SkinListBox::SetColours(QColor background, QColor selection) {
  background_ = background;
  selection_ = selection;
  QPalette colours = palette();
  colours.setColor(QPalette::Base, background);
  setPalette(colours);
  viewport()->update();
}

void SkinListBox::SetTextColours(QColor normal, QColor selected) {
  text_ = normal;
  selectedText_ = selected;
  viewport()->update();
}

void SkinListBox::SetItemHeight(int height) {
  itemHeight_ = height;
  // Cached sizes are asked again.
  doItemsLayout();
  viewport()->update();
}

void SkinListBox::SetRenameEnabled(bool on) {
  setEditTriggers(on ? QAbstractItemView::DoubleClicked : QAbstractItemView::NoEditTriggers);
}

QPixmap SkinListBox::Icon(std::uint8_t type, bool selected) const {
  const std::optional<skin_files::ListIcons> files = ListItemIcon(type);
  if (!files) {
    return {};
  }
  const auto key = std::pair{int{type}, selected};
  auto found = icons_.find(key);
  if (found == icons_.end()) {
    found = icons_
                .emplace(key, LoadSkinPicture(programFolder_,
                                              selected ? files->selected : files->normal))
                .first;
  }
  return found->second;
}

}  // namespace n63k::ui
