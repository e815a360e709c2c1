#include "app/controls/drop_down_box.h"

#include <QKeyEvent>
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

DropDownBox::DropDownBox(EditableComboBox* widget) : QObject(widget), widget_(widget) {
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

bool DropDownBox::listChangedSinceShown() {
  if (items_.revision() == shownRevision_) return false;
  shownRevision_ = items_.revision();
  // Cleared and filled again, often with the same items.
  if (static_cast<std::size_t>(count()) != shownItems_.size()) return true;
  for (int i = 0; i < count(); ++i)
    if (items_.get(i) != shownItems_[static_cast<std::size_t>(i)]) return true;
  return false;
}

void DropDownBox::sync() {
  const QSignalBlocker blockBox(widget_);
  const QSignalBlocker blockEdit(widget_->lineEdit());
  if (listChangedSinceShown()) {
    shownItems_ = items_.entries();
    QStringList list;
    list.reserve(count());
    for (const std::string& entry : shownItems_) list.append(toQString(entry));
    widget_->clear();
    widget_->addItems(list);
  }
  if (widget_->currentIndex() != selected_) widget_->setCurrentIndex(selected_);
  const QString shown = toQString(text_);
  if (widget_->lineEdit()->text() != shown) widget_->lineEdit()->setText(shown);
}

}  // namespace app
