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
  owned_.clear();
  viewed_.clear();
  shownValid_ = false;
}

void DetailBox::reserve(std::size_t lines) {
  lines_.reserve(lines);
  viewed_.reserve(lines);
}

void DetailBox::appendLine(std::string line) {
  lines_.push_back(owned_.emplace_back(std::move(line)));
  viewed_.push_back(false);
}

void DetailBox::appendView(std::string_view line) {
  lines_.push_back(line);
  viewed_.push_back(true);
}

std::string_view DetailBox::line(int index) const {
  if (index < 0 || index >= lineCount()) throw catalog::indexOutOfRange(index);
  return lines_[static_cast<std::size_t>(index)];
}

void DetailBox::replaceLine(int index, std::string text) {
  if (index < 0 || index >= lineCount()) throw catalog::indexOutOfRange(index);
  const auto at = static_cast<std::size_t>(index);
  if (at < shownCount_) shownValid_ = false;
  lines_[at] = owned_.emplace_back(std::move(text));
  viewed_[at] = false;
}

// The copies say what the views said, so the fingerprint (made of where
// views are) must be made anew: the next sync compares by content.
void DetailBox::keepOwnCopies() {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (!viewed_[i]) continue;
    lines_[i] = owned_.emplace_back(lines_[i]);
    viewed_[i] = false;
  }
  shownFingerprint_ = fingerprint(kFingerprintStart, 0);
}

// A fingerprint of the lines: a box filled again with what it shows already
// needs no new layout and no repaint.
std::uint64_t DetailBox::fingerprint(std::uint64_t hash, std::size_t from) const {
  const auto mix = [&hash](std::uint64_t value) { hash = (hash ^ value) * 1099511628211ull; };
  for (std::size_t i = from; i < lines_.size(); ++i) {
    if (viewed_[i]) {
      // The catalog's text does not change while it is viewed: the same
      // place is the same text.
      mix(reinterpret_cast<std::uintptr_t>(lines_[i].data()));
      mix(lines_[i].size());
      mix(0x200u);
    } else {
      for (char c : lines_[i]) mix(static_cast<unsigned char>(c));
    }
    mix(0x100u);  // the line end
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
