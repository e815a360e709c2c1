#include "app/controls/line_view.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "app/controls/line_view_accessible.h"
#include "app/text_codec.h"

namespace app {
namespace {

// The margin a plain text box keeps around its text.
constexpr int kMargin = 4;
// Layouts kept for lines off screen; beyond this the cache starts afresh.
constexpr std::size_t kKeptLayouts = 512;

bool isWordCharacter(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

}  // namespace

LineView::LineView(const LineSource& lines, QWidget* parent)
    : QAbstractScrollArea(parent), lines_(lines) {
  installLineViewAccessibility();
  viewport()->setCursor(Qt::IBeamCursor);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  linesReset();
}

LineView::~LineView() = default;

void LineView::linesAppended() {
  rows_.growTo(lineCount());
  lineOffsets_.clear();
  measureVisible();
  updateScrollRange();
  viewport()->update();
}

void LineView::linesReset() {
  rows_.clear();
  forgetLayouts();
  anchor_ = cursor_ = {};
  lineOffsets_.clear();
  verticalScrollBar()->setValue(0);
  linesAppended();
}

QString LineView::shownLine(int line) const { return app::shownText(lines_.lineAt(line)); }

int LineView::shownLength(int line) const {
  const std::size_t size = lines_.lineAt(line).size();
  // One character a byte in the code page; the cut adds its "…".
  return size <= static_cast<std::size_t>(kShownCharacters) ? static_cast<int>(size) : kShownCharacters + 1;
}

QString LineView::toPlainText() const { return leadingText(characterCount()); }

QString LineView::leadingText(qsizetype characters) const {
  QString text;
  for (int line = 0; line < lineCount() && text.size() < characters; ++line) {
    if (line > 0) text += QLatin1Char('\n');
    text += shownLine(line);
  }
  text.truncate(characters);
  return text;
}

QString LineView::shownText(Position from, Position to) const {
  QString text;
  for (int line = from.line; line <= to.line && line < lineCount(); ++line) {
    const QString shown = shownLine(line);
    const int first = line == from.line ? from.column : 0;
    const int last = line == to.line ? to.column : static_cast<int>(shown.size());
    if (line > from.line) text += QLatin1Char('\n');
    text += shown.mid(first, std::max(0, last - first));
  }
  return text;
}

qsizetype LineView::characterCount() const {
  if (lineCount() == 0) return 0;
  const Position last{lineCount() - 1, shownLength(lineCount() - 1)};
  return offsetOf(last);
}

qsizetype LineView::offsetOf(Position position) const {
  if (lineOffsets_.size() != static_cast<std::size_t>(lineCount())) {
    lineOffsets_.resize(static_cast<std::size_t>(lineCount()));
    qsizetype offset = 0;
    for (int line = 0; line < lineCount(); ++line) {
      lineOffsets_[static_cast<std::size_t>(line)] = offset;
      offset += shownLength(line) + 1;
    }
  }
  if (lineCount() == 0) return 0;
  return lineOffsets_[static_cast<std::size_t>(position.line)] + position.column;
}

LineView::Position LineView::positionAt(qsizetype offset) const {
  if (lineCount() == 0) return {};
  offsetOf({});  // makes the offsets
  const auto after = std::upper_bound(lineOffsets_.begin(), lineOffsets_.end(), offset);
  const int line = static_cast<int>(std::max<std::ptrdiff_t>(after - lineOffsets_.begin() - 1, 0));
  const qsizetype column = offset - lineOffsets_[static_cast<std::size_t>(line)];
  return {line, static_cast<int>(std::clamp<qsizetype>(column, 0, shownLength(line)))};
}

bool LineView::hasSelectedText() const { return anchor_ != cursor_; }

QString LineView::selectedText() const {
  const Position from = selectionStart(), to = selectionEnd();
  QString text;
  for (int line = from.line; line <= to.line && line < lineCount(); ++line) {
    const std::string_view whole = lines_.lineAt(line);
    const std::size_t first = line == from.line ? static_cast<std::size_t>(from.column) : 0;
    std::size_t last = line == to.line ? static_cast<std::size_t>(to.column) : whole.size();
    // Past the cut, the rest of the line is what was selected.
    if (last > static_cast<std::size_t>(kShownCharacters)) last = whole.size();
    if (line > from.line) text += QLatin1Char('\n');
    if (first < last) text += toQString(whole.substr(first, last - first));
  }
  return text;
}

void LineView::selectAll() {
  if (lineCount() == 0) return;
  setSelection({}, {lineCount() - 1, shownLength(lineCount() - 1)});
}

void LineView::copy() const {
  if (hasSelectedText()) QApplication::clipboard()->setText(selectedText());
}

void LineView::markLine(int line) {
  if (line < 0 || line >= lineCount()) return;
  ensureVisible({line, 0});
  setSelection({line, 0}, {line, shownLength(line)});
}

void LineView::setSelection(Position anchor, Position cursor) {
  anchor_ = anchor;
  cursor_ = cursor;
  selectionChanged();
}

void LineView::selectionChanged() {
  viewport()->update();
  if (QAccessible::isActive()) {
    QAccessibleTextSelectionEvent event(this, static_cast<int>(offsetOf(selectionStart())),
                                        static_cast<int>(offsetOf(selectionEnd())));
    event.setCursorPosition(static_cast<int>(offsetOf(cursor_)));
    QAccessible::updateAccessibility(&event);
  }
}

int LineView::rowHeight() const { return std::max(1, static_cast<int>(std::ceil(QFontMetricsF(font()).lineSpacing()))); }

int LineView::textWidth() const { return std::max(1, viewport()->width() - 2 * kMargin); }

int LineView::visibleRows() const { return std::max(1, (viewport()->height() - kMargin) / rowHeight()); }

QTextLayout& LineView::layoutOf(int line) const {
  auto found = layouts_.find(line);
  if (found != layouts_.end()) return *found->second;
  if (layouts_.size() >= kKeptLayouts) layouts_.clear();
  auto layout = std::make_unique<QTextLayout>(shownLine(line), font());
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout->setTextOption(option);
  layout->setCacheEnabled(true);
  layout->beginLayout();
  int rows = 0;
  for (QTextLine row = layout->createLine(); row.isValid(); row = layout->createLine()) {
    row.setLineWidth(textWidth());
    row.setPosition(QPointF(0, rows * rowHeight()));
    ++rows;
  }
  layout->endLayout();
  rows_.setRows(line, std::max(rows, 1));
  return *layouts_.emplace(line, std::move(layout)).first->second;
}

void LineView::measureVisible() const {
  if (lineCount() == 0) return;
  const std::int64_t top = verticalScrollBar()->value();
  for (int line = rows_.lineAt(top).first; line < lineCount(); ++line) {
    layoutOf(line);
    if (rows_.rowsBefore(line + 1) >= top + visibleRows()) break;
  }
}

void LineView::updateScrollRange() const {
  const std::int64_t total = rows_.total();
  const std::int64_t maximum = std::max<std::int64_t>(0, total - visibleRows());
  QScrollBar* bar = verticalScrollBar();
  bar->setRange(0, static_cast<int>(std::min<std::int64_t>(maximum, INT_MAX)));
  bar->setPageStep(visibleRows());
  bar->setSingleStep(1);
}

void LineView::forgetLayouts() { layouts_.clear(); }

void LineView::paintEvent(QPaintEvent*) {
  measureVisible();
  updateScrollRange();
  QPainter painter(viewport());
  const std::int64_t top = verticalScrollBar()->value();
  const auto [firstLine, firstRow] = rows_.lineAt(top);
  const QPalette::ColorGroup group = hasFocus() || isActiveWindow() ? QPalette::Active : QPalette::Inactive;
  painter.setPen(palette().color(group, QPalette::Text));
  QTextCharFormat selected;
  selected.setBackground(palette().brush(group, QPalette::Highlight));
  selected.setForeground(palette().brush(group, QPalette::HighlightedText));
  const Position from = selectionStart(), to = selectionEnd();
  int y = kMargin - firstRow * rowHeight();
  if (top > 0) y -= kMargin;
  for (int line = firstLine; line < lineCount() && y < viewport()->height(); ++line) {
    QTextLayout& layout = layoutOf(line);
    QList<QTextLayout::FormatRange> selections;
    if (hasSelectedText() && from.line <= line && line <= to.line) {
      const int start = line == from.line ? from.column : 0;
      const int end = line == to.line ? to.column : shownLength(line);
      if (end > start) selections.append({start, end - start, selected});
    }
    layout.draw(&painter, QPointF(kMargin, y), selections);
    y += rows_.rowsOf(line) * rowHeight();
  }
}

void LineView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  forgetLayouts();
  measureVisible();
  updateScrollRange();
}

void LineView::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    forgetLayouts();
    measureVisible();
    updateScrollRange();
  }
  if (event->type() == QEvent::ActivationChange || event->type() == QEvent::PaletteChange) viewport()->update();
}

void LineView::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
}

void LineView::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  viewport()->update();
}

void LineView::scrollContentsBy(int, int) {
  measureVisible();
  viewport()->update();
}

LineView::Position LineView::positionAtPoint(QPoint point) const {
  if (lineCount() == 0) return {};
  const std::int64_t top = verticalScrollBar()->value();
  const int offsetY = point.y() - (top > 0 ? 0 : kMargin);
  const std::int64_t row = top + (offsetY < 0 ? -1 : offsetY / rowHeight());
  if (row < 0) return {};
  if (row >= rows_.total()) return {lineCount() - 1, shownLength(lineCount() - 1)};
  const auto [line, rowInLine] = rows_.lineAt(row);
  QTextLayout& layout = layoutOf(line);
  const QTextLine textLine = layout.lineAt(std::min(rowInLine, layout.lineCount() - 1));
  if (!textLine.isValid()) return {line, 0};
  return {line, textLine.xToCursor(point.x() - kMargin)};
}

void LineView::ensureVisible(Position position) {
  if (lineCount() == 0) return;
  QTextLayout& layout = layoutOf(position.line);
  const QTextLine textLine = layout.lineForTextPosition(position.column);
  const std::int64_t row = rows_.rowsBefore(position.line) + (textLine.isValid() ? textLine.lineNumber() : 0);
  QScrollBar* bar = verticalScrollBar();
  updateScrollRange();
  if (row < bar->value()) bar->setValue(static_cast<int>(row));
  else if (row >= bar->value() + visibleRows()) bar->setValue(static_cast<int>(row - visibleRows() + 1));
}

void LineView::moveCursor(Position to, bool extend) {
  cursor_ = to;
  if (!extend) anchor_ = to;
  ensureVisible(to);
  selectionChanged();
}

void LineView::keyPressEvent(QKeyEvent* event) {
  if (event == QKeySequence::Copy) {
    copy();
    return;
  }
  if (event == QKeySequence::SelectAll) {
    selectAll();
    return;
  }
  const bool extend = event->modifiers() & Qt::ShiftModifier;
  if (extend && lineCount() > 0) {
    Position to = cursor_;
    switch (event->key()) {
      case Qt::Key_Left:
        to = to.column > 0 ? Position{to.line, to.column - 1}
                           : to.line > 0 ? Position{to.line - 1, shownLength(to.line - 1)} : to;
        break;
      case Qt::Key_Right:
        to = to.column < shownLength(to.line) ? Position{to.line, to.column + 1}
                                              : to.line + 1 < lineCount() ? Position{to.line + 1, 0} : to;
        break;
      case Qt::Key_Up:
        to = to.line > 0 ? Position{to.line - 1, std::min(to.column, shownLength(to.line - 1))} : Position{0, 0};
        break;
      case Qt::Key_Down:
        to = to.line + 1 < lineCount() ? Position{to.line + 1, std::min(to.column, shownLength(to.line + 1))}
                                       : Position{to.line, shownLength(to.line)};
        break;
      case Qt::Key_Home:
        to = event->modifiers() & Qt::ControlModifier ? Position{} : Position{to.line, 0};
        break;
      case Qt::Key_End:
        to = event->modifiers() & Qt::ControlModifier ? Position{lineCount() - 1, shownLength(lineCount() - 1)}
                                                      : Position{to.line, shownLength(to.line)};
        break;
      default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    moveCursor(to, true);
    return;
  }
  switch (event->key()) {
    case Qt::Key_Home:
      if (event->modifiers() & Qt::ControlModifier) verticalScrollBar()->setValue(0);
      return;
    case Qt::Key_End:
      if (event->modifiers() & Qt::ControlModifier) {
        updateScrollRange();
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
      }
      return;
    default:
      QAbstractScrollArea::keyPressEvent(event);
  }
}

void LineView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
  const Position at = positionAtPoint(event->position().toPoint());
  cursor_ = at;
  if (!(event->modifiers() & Qt::ShiftModifier)) anchor_ = at;
  selecting_ = true;
  selectionChanged();
}

void LineView::mouseMoveEvent(QMouseEvent* event) {
  if (!selecting_ || !(event->buttons() & Qt::LeftButton)) return;
  const QPoint point = event->position().toPoint();
  // Dragging past an edge scrolls on.
  if (point.y() < 0) verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
  if (point.y() > viewport()->height()) verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  cursor_ = positionAtPoint(point);
  selectionChanged();
}

void LineView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mouseReleaseEvent(event);
  selecting_ = false;
  QClipboard* clipboard = QApplication::clipboard();
  if (hasSelectedText() && clipboard->supportsSelection()) clipboard->setText(selectedText(), QClipboard::Selection);
}

void LineView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || lineCount() == 0) return;
  const Position at = positionAtPoint(event->position().toPoint());
  const QString text = shownLine(at.line);
  int start = at.column, end = at.column;
  while (start > 0 && isWordCharacter(text[start - 1])) --start;
  while (end < text.size() && isWordCharacter(text[end])) ++end;
  setSelection({at.line, start}, {at.line, end});
  selecting_ = false;
}

void LineView::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  QAction* copyAction = menu.addAction(QStringLiteral("&Kopieren"), this, &LineView::copy);
  copyAction->setShortcut(QKeySequence::Copy);
  copyAction->setEnabled(hasSelectedText());
  menu.addSeparator();
  QAction* selectAllAction = menu.addAction(QStringLiteral("Alles a&usw\u00E4hlen"), this, &LineView::selectAll);
  selectAllAction->setShortcut(QKeySequence::SelectAll);
  selectAllAction->setEnabled(lineCount() > 0);
  menu.exec(event->globalPos());
}

}  // namespace app
