#include "app/controls/detail_box.h"

#include <QHelpEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolTip>

#include "app/text_codec.h"
#include "catalog/errors.h"

namespace app {
namespace {

// A tooltip is no place for a whole book; the box itself scrolls further.
constexpr qsizetype kTipCharacters = 4000;

QString joined(const std::vector<std::string>& lines, std::size_t from) {
  QString text;
  for (std::size_t i = from; i < lines.size(); ++i) {
    if (i > from) text += QLatin1Char('\n');
    text += toQString(lines[i]);
  }
  return text;
}

}  // namespace

DetailBox::DetailBox(QWidget* parent) : widget_(new QPlainTextEdit(parent)) {
  setParent(widget_);
  widget_->setReadOnly(true);
  widget_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  widget_->setFocusPolicy(Qt::StrongFocus);
  widget_->setTabChangesFocus(true);
  widget_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  widget_->setUndoRedoEnabled(false);
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
    widget_->setPlainText(joined(lines_, 0));
    shownFingerprint_ = fingerprint(kFingerprintStart, 0);
  } else {
    shownFingerprint_ = fingerprint(shownFingerprint_, shownCount_);
    // A cursor of its own adds the lines without moving the view or the
    // user's selection.
    QTextCursor end(widget_->document());
    end.movePosition(QTextCursor::End);
    end.insertBlock();
    end.insertText(joined(lines_, shownCount_));
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
  QString text = widget_->toPlainText();
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
