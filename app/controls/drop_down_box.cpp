#include "app/controls/drop_down_box.h"

#include <QKeyEvent>
#include <QListView>
#include <QLineEdit>
#include <QSignalBlocker>

#include "app/text_codec.h"

namespace app {

EditableComboBox::EditableComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
  setMaxVisibleItems(20);
  // QComboBox selects a matching item (in its own letter case) and reports an
  // activation when Enter is pressed or the focus leaves an edited box.
  QObject::disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
  QObject::disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
}

void EditableComboBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QComboBox::keyPressEvent(event);
}

QVariant ItemListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= shownCount_ || index.row() >= items_.count()) return {};
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  return toQString(items_.get(index.row()));
}

void ItemListModel::showAnew() {
  beginResetModel();
  shownCount_ = items_.count();
  endResetModel();
}

DropDownBox::DropDownBox(EditableComboBox* widget)
    : QObject(widget), widget_(widget), model_(new ItemListModel(items_, widget)) {
  // Millions of items: the popup takes every row as high as the first, and
  // the box does not measure them all for its width.
  widget_->setModel(model_);
  if (auto* list = qobject_cast<QListView*>(widget_->view())) list->setUniformItemSizes(true);
  widget_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  QObject::connect(widget_->lineEdit(), &QLineEdit::textEdited, widget_,
                   [this](const QString& text) { takeUserEdit(text); });
  QObject::connect(widget_, &QComboBox::activated, widget_, [this](int index) { takeUserPick(index); });
}

void DropDownBox::setText(std::string text) {
  text_ = std::move(text);
  selected_ = -1;
}

void DropDownBox::clear() {
  items_.clear();
  text_.clear();
  selected_ = -1;
}

std::string DropDownBox::item(int index) const {
  return index >= 0 && index < count() ? std::string(items_.get(index)) : std::string();
}

void DropDownBox::select(int index) {
  if (index < 0 || index >= count()) {
    selected_ = -1;
    return;
  }
  selected_ = index;
  text_ = std::string(items_.get(index));
}

void DropDownBox::takeUserEdit(const QString& text) {
  text_ = toCp1252(text);
  if (userChange_) userChange_();
}

void DropDownBox::takeUserPick(int index) {
  if (index >= 0 && index < count()) {
    selected_ = index;
    text_ = std::string(items_.get(index));
  } else {
    text_ = toCp1252(widget_->lineEdit()->text());
  }
  if (userChange_) userChange_();
}

std::uint64_t DropDownBox::fingerprint() const {
  std::uint64_t hash = 14695981039346656037ull;
  for (int i = 0; i < count(); ++i) {
    for (const char c : items_.get(i)) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    hash = (hash ^ 0xFFu) * 1099511628211ull;  // the end of an item
  }
  return hash;
}

bool DropDownBox::listChangedSinceShown() {
  if (items_.revision() == shownRevision_) return false;
  shownRevision_ = items_.revision();
  // Cleared and filled again, often with the same items: the widget keeps
  // what it shows.
  const std::uint64_t now = fingerprint();
  if (count() == shownCount_ && now == shownFingerprint_) return false;
  shownCount_ = count();
  shownFingerprint_ = now;
  return true;
}

void DropDownBox::sync() {
  const QSignalBlocker blockBox(widget_);
  const QSignalBlocker blockEdit(widget_->lineEdit());
  if (listChangedSinceShown()) model_->showAnew();
  if (widget_->currentIndex() != selected_) widget_->setCurrentIndex(selected_);
  const QString shown = toQString(text_);
  if (widget_->lineEdit()->text() != shown) widget_->lineEdit()->setText(shown);
}

}  // namespace app
