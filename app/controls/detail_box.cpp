#include "app/controls/detail_box.h"

#include <QHelpEvent>
#include <QScrollBar>
#include <QTextDocument>
#include <QToolTip>

#include "app/text_codec.h"
#include "catalog/errors.h"

namespace app {
namespace {

// A tooltip is no place for a whole book; the box itself scrolls further.
constexpr qsizetype kTipCharacters = 4000;

}  // namespace

// The view holds on to lines_, which lives as long as this object, a child
// of the view.
DetailBox::DetailBox(QWidget* parent) : widget_(new LineView(lines_, parent)) {
  setParent(widget_);
  widget_->setFocusPolicy(Qt::StrongFocus);
}

void DetailBox::clear() {
  lines_.clear();
  shownValid_ = false;
}

const std::string& DetailBox::line(int index) const {
  if (index < 0 || index >= lineCount()) throw catalog::indexOutOfRange(index);
  return lines_[static_cast<std::size_t>(index)];
}

void DetailBox::replaceLine(int index, std::string text) {
  if (index < 0 || index >= lineCount()) throw catalog::indexOutOfRange(index);
  if (static_cast<std::size_t>(index) < shownCount_) shownValid_ = false;
  lines_[static_cast<std::size_t>(index)] = std::move(text);
}

// A fingerprint of the lines: a box filled again with what it shows already
// needs no new layout and no repaint.
std::uint64_t DetailBox::fingerprint(std::uint64_t hash, std::size_t from) const {
  for (std::size_t i = from; i < lines_.size(); ++i) {
    for (char c : lines_[i]) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    hash = (hash ^ 0x100u) * 1099511628211ull;  // the line end
  }
  return hash;
}

void DetailBox::sync() {
  if (shownValid_ && shownCount_ == lines_.size()) return;
  if (!shownValid_ && lines_.size() == shownCount_ && fingerprint(kFingerprintStart, 0) == shownFingerprint_) {
    shownValid_ = true;
    return;
  }
  if (!shownValid_ || shownCount_ == 0) {
    widget_->linesReset();
    shownFingerprint_ = fingerprint(kFingerprintStart, 0);
  } else {
    shownFingerprint_ = fingerprint(shownFingerprint_, shownCount_);
    // Added lines leave the view and the user's selection where they are.
    widget_->linesAppended();
  }
  shownCount_ = lines_.size();
  shownValid_ = true;
}

void DetailBox::readableWhenCut() {
  readableWhenCut_ = true;
  widget_->viewport()->installEventFilter(this);
  widget_->installEventFilter(this);
}

QString DetailBox::fullTextTip() const {
  if (!readableWhenCut_ || widget_->verticalScrollBar()->maximum() <= 0) return {};
  QString text = widget_->leadingText(kTipCharacters + 1);
  if (text.size() > kTipCharacters) text = text.left(kTipCharacters) + QChar(0x2026);
  return text;
}

bool DetailBox::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Wheel && !widget_->hasFocus()) return true;
  if (event->type() == QEvent::ToolTip) {
    const QString tip = fullTextTip();
    const QPoint at = static_cast<QHelpEvent*>(event)->globalPos();
    if (tip.isEmpty()) {
      QToolTip::hideText();
    } else {
      QToolTip::showText(at, Qt::convertFromPlainText(tip, Qt::WhiteSpaceNormal), widget_);
    }
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace app
