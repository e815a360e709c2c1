#pragma once
// A read-only text box of the detail area. The handlers work on its lines
// held here; sync() shows them. The view reads the lines where they are and
// lays out only what is on screen.
//
// A line is either the box's own copy or a view of the catalog's text
// (appendView), which costs nothing however long the line; before the
// catalog lets go of its text (a reload), keepOwnCopies() copies them.

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "app/controls/line_view.h"

namespace app {

// Lives as a child of its widget.
class DetailBox : public QObject {
 public:
  explicit DetailBox(QWidget* parent);

  void clear();
  void appendLine(std::string line);
  // A line that stays where it is: catalog text, valid until the catalog
  // is loaded again.
  void appendView(std::string_view line);
  // Room for this many lines in all, when the caller knows how many come.
  void reserve(std::size_t lines);
  int lineCount() const { return static_cast<int>(lines_.size()); }
  std::string_view line(int index) const;
  void replaceLine(int index, std::string text);
  const std::vector<std::string_view>& lines() const { return lines_; }
  // Copies every viewed line into the box, before the catalog's text goes.
  void keepOwnCopies();

  // Shows the lines. Lines appended since the last call are added to the
  // view, so a repaint costs the same whatever the box already holds.
  void sync();
  LineView* widget() const { return widget_; }

  // For a box without a scroll bar: a text that does not fit is shown whole
  // as a tooltip, and the wheel scrolls it only while it has the focus.
  void readableWhenCut();
  // The tooltip of such a box: its whole text when that does not fit, else
  // nothing.
  QString fullTextTip() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // FNV-1a over the lines from index from on, continuing hash.
  static constexpr std::uint64_t kFingerprintStart = 14695981039346656037ull;
  std::uint64_t fingerprint(std::uint64_t hash, std::size_t from) const;

  std::vector<std::string_view> lines_;
  // The box's own lines; a deque keeps them in place as it grows.
  std::deque<std::string> owned_;
  // Which lines are views: their fingerprint is where they are, not what
  // they say, so that a line of megabytes shown again costs nothing.
  std::vector<bool> viewed_;
  LineView* widget_;
  // How many of lines_ the widget shows, and whether those still match.
  std::size_t shownCount_ = 0;
  bool shownValid_ = false;
  bool readableWhenCut_ = false;
  std::uint64_t shownFingerprint_ = kFingerprintStart;
};

}  // namespace app
