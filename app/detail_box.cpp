#include "app/detail_box.h"

#include "app/text_codec.h"
#include "catalog/errors.h"

namespace app {

DetailBox::DetailBox(QWidget* parent) : widget_(new QPlainTextEdit(parent)) {
  setParent(widget_);
  widget_->setReadOnly(true);
  widget_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  widget_->setFocusPolicy(Qt::StrongFocus);
  widget_->setTabChangesFocus(true);
  widget_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  widget_->setUndoRedoEnabled(false);
}

const std::string& DetailBox::line(int index) const {
  if (index < 0 || index >= lineCount()) throw catalog::indexOutOfRange(index);
  return lines_[static_cast<std::size_t>(index)];
}

void DetailBox::replaceLine(int index, std::string text) {
  if (index < 0 || index >= lineCount()) throw catalog::indexOutOfRange(index);
  lines_[static_cast<std::size_t>(index)] = std::move(text);
}

void DetailBox::sync() {
  if (shownLines_ == lines_) return;
  QString text;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i > 0) text += QChar('\n');
    text += toQString(lines_[i]);
  }
  widget_->setPlainText(text);
  shownLines_ = lines_;
}

}  // namespace app
