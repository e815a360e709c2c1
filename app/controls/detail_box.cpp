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

// The view asks this object for its lines; it lives as long as the view,
// whose child it is.
DetailBox::DetailBox(QWidget* parent) : widget_(new LineView(*this, parent)) {
  setParent(widget_);
  widget_->setFocusPolicy(Qt::StrongFocus);
}

void DetailBox::clear() {
  parts_.clear();
  lineCount_ = 0;
  lines_.clear();
  owned_.clear();
  viewed_.clear();
  shownValid_ = false;
}

void DetailBox::appendLine(std::string line) {
  appendView(owned_.emplace_back(std::move(line)));
  viewed_.back() = false;
}

void DetailBox::appendView(std::string_view line) {
  if (parts_.empty() || parts_.back().run) parts_.push_back({lineCount_, lines_.size(), nullptr, false});
  lines_.push_back(line);
  viewed_.push_back(true);
  ++lineCount_;
}

void DetailBox::appendLines(std::size_t count, LineAt lineAt) {
  if (count == 0) return;
  parts_.push_back({lineCount_, 0, std::make_shared<const LineAt>(std::move(lineAt)), false});
  lineCount_ += count;
}

const DetailBox::Part& DetailBox::partOf(std::size_t index) const {
  // Parts are few (a run, the lines around it): the last one is the usual.
  auto part = parts_.end() - 1;
  while (part->first > index) --part;
  return *part;
}

std::size_t DetailBox::partEnd(const Part& part) const {
  return &part == &parts_.back() ? lineCount_ : (&part + 1)->first;
}

std::string_view DetailBox::lineAt(int index) const {
  const auto at = static_cast<std::size_t>(index);
  const Part& part = partOf(at);
  return part.run ? (*part.run)(at - part.first) : lines_[part.listed + (at - part.first)];
}

std::string_view DetailBox::line(int index) const {
  if (index < 0 || index >= lineCount()) throw catalog::indexOutOfRange(index);
  return lineAt(index);
}

std::vector<std::string> DetailBox::lineTexts() const {
  std::vector<std::string> texts;
  for (int i = 0; i < lineCount(); ++i) texts.emplace_back(lineAt(i));
  return texts;
}

void DetailBox::listEveryLine() {
  if (parts_.size() <= 1 && (parts_.empty() || !parts_.front().run)) return;
  std::vector<std::string_view> lines;
  std::vector<bool> viewed;
  lines.reserve(lineCount_);
  viewed.reserve(lineCount_);
  for (const Part& part : parts_) {
    for (std::size_t i = 0; i < partEnd(part) - part.first; ++i) {
      if (!part.run) {
        lines.push_back(lines_[part.listed + i]);
        viewed.push_back(viewed_[part.listed + i]);
      } else if (part.owned) {
        // The run's text goes with it.
        lines.push_back(owned_.emplace_back((*part.run)(i)));
        viewed.push_back(false);
      } else {
        lines.push_back((*part.run)(i));
        viewed.push_back(true);
      }
    }
  }
  lines_ = std::move(lines);
  viewed_ = std::move(viewed);
  parts_.assign(1, Part{0, 0, nullptr, false});
}

void DetailBox::replaceLine(int index, std::string text) {
  if (index < 0 || index >= lineCount()) throw catalog::indexOutOfRange(index);
  listEveryLine();
  const auto at = static_cast<std::size_t>(index);
  if (at < shownCount_) shownValid_ = false;
  lines_[at] = owned_.emplace_back(std::move(text));
  viewed_[at] = false;
}

// The copies say what the views said, so the fingerprint (made of where
// views are) must be made anew: the next sync compares by content.
// A run's copy is one text and where each line ends: a ZE of ten million
// lines costs no string a line.
void DetailBox::keepOwnCopies() {
  for (Part& part : parts_) {
    if (!part.run || part.owned) continue;
    const std::size_t count = partEnd(part) - part.first;
    auto text = std::make_shared<std::string>();
    auto ends = std::make_shared<std::vector<std::size_t>>();
    ends->reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
      *text += (*part.run)(i);
      ends->push_back(text->size());
    }
    part.run = std::make_shared<const LineAt>([text, ends](std::size_t i) {
      const std::size_t begin = i == 0 ? 0 : (*ends)[i - 1];
      return std::string_view(*text).substr(begin, (*ends)[i] - begin);
    });
    part.owned = true;
  }
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
  const auto mixPlace = [&mix](std::string_view line) {
    mix(reinterpret_cast<std::uintptr_t>(line.data()));
    mix(line.size());
  };
  const auto mixText = [&mix](std::string_view line) {
    for (char c : line) mix(static_cast<unsigned char>(c));
  };
  for (const Part& part : parts_) {
    const std::size_t end = partEnd(part);
    if (end <= from) continue;
    const std::size_t begin = std::max(from, part.first);
    if (part.run && !part.owned) {
      // Catalog text does not change while it is viewed, and a run is what
      // one lookup gave: where its ends are and how many lines tell it.
      mixPlace((*part.run)(begin - part.first));
      mixPlace((*part.run)(end - 1 - part.first));
      mix(end - begin);
      mix(0x300u);
      continue;
    }
    if (part.run) {
      for (std::size_t i = begin - part.first; i < end - part.first; ++i) {
        mixText((*part.run)(i));
        mix(0x100u);  // the line end
      }
      continue;
    }
    for (std::size_t i = part.listed + (begin - part.first); i < part.listed + (end - part.first); ++i) {
      if (viewed_[i]) {
        // The same place is the same text.
        mixPlace(lines_[i]);
        mix(0x200u);
      } else {
        mixText(lines_[i]);
      }
      mix(0x100u);  // the line end
    }
  }
  return hash;
}

void DetailBox::sync() {
  if (shownValid_ && shownCount_ == lineCount_) return;
  if (!shownValid_ && lineCount_ == shownCount_ && fingerprint(kFingerprintStart, 0) == shownFingerprint_) {
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
  shownCount_ = lineCount_;
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
