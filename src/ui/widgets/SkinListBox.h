#pragma once

#include <QColor>
#include <QListWidget>
#include <QPersistentModelIndex>
#include <QPixmap>
#include <cstdint>
#include <filesystem>
#include <map>

namespace n63k::ui {

// A list drawn in the page's own colours, each item optionally with an icon
// chosen by its type (ListItemData), and renamed in place by a double click
// when renaming is on. It tells the page about the user's selections and
// finished renames; what the program itself selects is not reported.
class SkinListBox final : public QListWidget {
  Q_OBJECT

 public:
  SkinListBox(std::filesystem::path programFolder, QWidget* parent = nullptr);

  // Appends an item and selects it; `startEdit` opens the editor on it at once.
  // An item with a type turns the icons on for the whole list, one without
  // turns them off.
  void AddItem(std::uint8_t type, const QString& text, std::uint32_t value, bool startEdit);
  void InsertItem(int index, std::uint8_t type, const QString& text, std::uint32_t value);
  // Replaces the item at `index` and selects it.
  void SetItem(int index, std::uint8_t type, const QString& text, std::uint32_t value);
  void DeleteItem(int index);
  void ResetContent();
  std::uint32_t ItemData(int index) const;
  // Selects as the program does (-1: none), which is not reported.
  void Select(int index);
  // Commits the in-place editor as Enter does, when one is open.
  void FinishEdit();

  void SetColours(QColor background, QColor selection);
  void SetTextColours(QColor normal, QColor selected);
  void SetItemHeight(int height);
  void SetRenameEnabled(bool on);

  bool IconsShown() const { return iconsShown_; }
  int ItemHeight() const { return itemHeight_; }
  QColor Background() const { return background_; }
  QColor Selection() const { return selection_; }
  QColor Text() const { return text_; }
  QColor SelectedText() const { return selectedText_; }
  // The icon of a typed item; null for other types or a missing picture.
  QPixmap Icon(std::uint8_t type, bool selected) const;

 signals:
  // The user selected another item (-1: none).
  void selectionChangedByUser(int index);
  // The in-place editor was committed, even with the text unchanged.
  void renamed(int index);

 private:
  friend class SkinListDelegate;
  QListWidgetItem* MakeItem(std::uint8_t type, const QString& text, std::uint32_t value);
  void EmitRenamed(int index) { emit renamed(index); }

  std::filesystem::path programFolder_;
  QColor background_{Qt::white};
  QColor selection_;
  QColor text_{Qt::black};
  QColor selectedText_;
  int itemHeight_ = 20;
  bool iconsShown_ = false;
  bool changing_ = false;
  // The item the in-place editor was last opened on.
  QPersistentModelIndex edited_;
  mutable std::map<std::pair<int, bool>, QPixmap> icons_;
};

}  // namespace n63k::ui
