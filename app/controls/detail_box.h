#pragma once
// A read-only text box of the detail area. The handlers work on its lines
// held here; sync() shows them. The view reads the lines where they are and
// lays out only what is on screen.

#include "app/controls/line_view.h"
#include <cstdint>
#include <string>
#include <vector>

namespace app {

// Lives as a child of its widget.
class DetailBox : public QObject {
 public:
  explicit DetailBox(QWidget* parent);

  void clear();
  void appendLine(std::string line) { lines_.push_back(std::move(line)); }
  int lineCount() const { return static_cast<int>(lines_.size()); }
  const std::string& line(int index) const;
  void replaceLine(int index, std::string text);
  const std::vector<std::string>& lines() const { return lines_; }

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

  std::vector<std::string> lines_;
  LineView* widget_;
  // How many of lines_ the widget shows, and whether those still match.
  std::size_t shownCount_ = 0;
  bool shownValid_ = false;
  bool readableWhenCut_ = false;
  std::uint64_t shownFingerprint_ = kFingerprintStart;
};

}  // namespace app
