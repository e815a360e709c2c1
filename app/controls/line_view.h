#pragma once
// A read-only view of lines held elsewhere that lays out and paints only
// the lines on screen, so that a box of millions of lines or one of a line
// of megabytes opens at once and costs no copy of its text. It wraps at
// word boundaries like a plain text box, scrolls by screen rows, and lets
// the user select and copy with mouse and keyboard.
//
// A line longer than kShownCharacters is shown cut there and followed by
// "…"; copying a selection that reaches the cut takes the whole line.

#include <QAbstractScrollArea>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "app/controls/row_counts.h"
#include "app/shown_text.h"

class QTextLayout;

namespace app {

// The lines a view shows, held elsewhere and asked for by number.
class LineSource {
 public:
  virtual ~LineSource() = default;
  virtual int lineCount() const = 0;
  // A line in Windows-1252, 0 <= line < lineCount().
  virtual std::string_view lineAt(int line) const = 0;
};

class LineView : public QAbstractScrollArea {
  Q_OBJECT
 public:
  static constexpr int kShownCharacters = static_cast<int>(app::kShownCharacters);

  // A place in the text: a line and a character of its shown text.
  struct Position {
    int line = 0;
    int column = 0;
    auto operator<=>(const Position&) const = default;
  };

  // lines must outlive the view; after changing them, call linesAppended()
  // or linesReset().
  LineView(const LineSource& lines, QWidget* parent);
  ~LineView() override;

  // Lines were added at the end: the view and the selection stay.
  void linesAppended();
  // Any line may have changed: back to the top, nothing selected.
  void linesReset();

  int lineCount() const { return lines_.lineCount(); }
  // A line as shown (cut when too long).
  QString shownLine(int line) const;
  // The shown lines joined by "\n".
  QString toPlainText() const;
  // The first characters of toPlainText(), built no further than needed.
  QString leadingText(qsizetype characters) const;
  // The shown text between two places.
  QString shownText(Position from, Position to) const;

  bool hasSelectedText() const;
  // The selected text, whole lines where the selection reaches a cut.
  QString selectedText() const;
  void selectAll();
  void copy() const;

  Position cursorPosition() const { return cursor_; }
  Position selectionStart() const { return std::min(anchor_, cursor_); }
  Position selectionEnd() const { return std::max(anchor_, cursor_); }
  void setSelection(Position anchor, Position cursor);
  // Selects a whole line and scrolls it into view.
  void markLine(int line);
  // Offsets into toPlainText() and back, for a screen reader.
  qsizetype offsetOf(Position position) const;
  Position positionAt(qsizetype offset) const;
  qsizetype characterCount() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  int rowHeight() const;
  int textWidth() const;
  int visibleRows() const;
  // The line's layout at the current width, its rows noted.
  QTextLayout& layoutOf(int line) const;
  // Measures the lines from the top of the view until the view is full.
  void measureVisible() const;
  void updateScrollRange() const;
  void forgetLayouts();
  int shownLength(int line) const;
  Position positionAtPoint(QPoint point) const;
  void ensureVisible(Position position);
  void moveCursor(Position to, bool extend);
  void selectionChanged();

  const LineSource& lines_;
  mutable RowCounts rows_;
  mutable std::unordered_map<int, std::unique_ptr<QTextLayout>> layouts_;
  Position anchor_, cursor_;
  bool selecting_ = false;
  // Offsets of the shown lines in toPlainText(), made when a screen reader
  // first asks.
  mutable std::vector<qsizetype> lineOffsets_;
};

}  // namespace app
