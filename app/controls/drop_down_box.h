#pragma once
// An editable drop-down box (year, group, ZE). The handlers work on the box's
// text, list and selection held here; sync() shows them in the Qt widget.
// Only the user's edits and picks notify; nothing the code does to the box
// runs a handler.

#include <QAbstractListModel>
#include <QComboBox>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "catalog/column.h"

namespace app {

// A QComboBox without the habits the box must not have: no completion, no
// inserting or selecting on Enter, no activation when the focus leaves.
class EditableComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit EditableComboBox(QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

// The box's list as the widget shows it: each item read from the list when
// the widget asks for it, so that a list of millions of ZEs costs no copy
// in the widget.
class ItemListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  ItemListModel(const catalog::Column& items, QObject* parent) : QAbstractListModel(parent), items_(items) {}
  int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : shownCount_; }
  QVariant data(const QModelIndex& index, int role) const override;
  // The list changed: the widget reads it anew.
  void showAnew();

 private:
  const catalog::Column& items_;
  int shownCount_ = 0;
};

// Lives as a child of its widget.
class DropDownBox : public QObject {
 public:
  explicit DropDownBox(QWidget* parent) : DropDownBox(new EditableComboBox(parent)) {}

  const std::string& text() const { return text_; }
  // Sets the text; no item stays selected.
  void setText(std::string text);
  // Empties text and list.
  void clear();
  int count() const { return items_.count(); }
  // The item's text, or the empty text when the list has no such item.
  std::string item(int index) const;
  int find(std::string_view text) const { return items_.find(text); }
  void append(std::string_view text) { items_.append(text); }
  // Selects item index; its text becomes the box's text. -1 selects nothing
  // and keeps the text.
  void select(int index);
  int selectedIndex() const { return selected_; }
  const catalog::Column& items() const { return items_; }

  // Runs on every user edit of the text and every user pick from the list,
  // after the box holds the new text.
  void onUserChange(std::function<void()> handler) { userChange_ = std::move(handler); }

  void sync();
  EditableComboBox* widget() const { return widget_; }

 private:
  explicit DropDownBox(EditableComboBox* widget);
  void takeUserEdit(const QString& text);
  void takeUserPick(int index);

  EditableComboBox* widget_;
  catalog::Column items_;
  ItemListModel* model_;
  std::string text_;
  int selected_ = -1;
  bool listChangedSinceShown();
  // What the list shown held: its length and a hash of its items.
  std::uint64_t fingerprint() const;

  int shownCount_ = 0;
  std::uint64_t shownFingerprint_ = 0;
  unsigned long shownRevision_ = ~0UL;
  std::function<void()> userChange_;
};

}  // namespace app
