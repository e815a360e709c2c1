#include "app/controls/amount_label.h"

#include "app/text_codec.h"

namespace app {

AmountLabel::AmountLabel(QWidget* parent, int rightEdge, int top)
    : widget_(new QLabel(parent)), rightEdge_(rightEdge), top_(top) {
  setParent(widget_);
  widget_->setAlignment(Qt::AlignRight | Qt::AlignTop);
}

void AmountLabel::sync() {
  const QString shown = toQString(caption_);
  if (shownOnce_ && widget_->text() == shown) return;
  widget_->setText(shown);
  widget_->adjustSize();
  widget_->move(rightEdge_ - widget_->width(), top_);
  shownOnce_ = true;
}

}  // namespace app
