#pragma once
// A read-only text box of the detail area. The handlers work on its lines
// held here; sync() shows them. The view reads the lines where they are and
// lays out only what is on screen.
//
// A line is either the box's own copy or a view of the catalog's text
// (appendView), which costs nothing however long the line; a run of catalog
// lines (appendLines) costs nothing however many lines. Before the catalog
// lets go of its text (a reload), keepOwnCopies() copies them.

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/controls/line_view.h"

namespace app {

// Lives as a child of its widget.
class DetailBox : public QObject, private LineSource {
 public:
  explicit DetailBox(QWidget* parent);

  void clear();
  void appendLine(std::string line);
  // A line that stays where it is: catalog text, valid until the catalog
  // is loaded again.
  void appendView(std::string_view line);
  // count lines that stay where they are (catalog text, valid until the
  // catalog is loaded again), line i read as lineAt(i) whenever it is
  // needed. They are the lines one lookup gave: lines with the same first
  // and last line at the same places, and as many, are the same lines.
  using LineAt = std::function<std::string_view(std::size_t)>;
  void appendLines(std::size_t count, LineAt lineAt);
  int lineCount() const override { return static_cast<int>(lineCount_); }
  std::string_view line(int index) const;
  void replaceLine(int index, std::string text);
  // Every line, copied.
  std::vector<std::string> lineTexts() const;
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
  // Consecutive lines of the box: listed ones (a view each in lines_) or a
  // run read through lineAt.
  struct Part {
    std::size_t first;   // the box's number of its first line
    std::size_t listed;  // where its lines start in lines_, for a listed part
    std::shared_ptr<const LineAt> run;  // null for a listed part
    bool owned;  // a run of the box's own copies, fingerprinted by what it says
  };

  std::string_view lineAt(int index) const override;
  const Part& partOf(std::size_t index) const;
  std::size_t partEnd(const Part& part) const;
  // Every part listed: a run's lines become views.
  void listEveryLine();

  // FNV-1a over the lines from index from on, continuing hash.
  static constexpr std::uint64_t kFingerprintStart = 14695981039346656037ull;
  std::uint64_t fingerprint(std::uint64_t hash, std::size_t from) const;

  std::vector<Part> parts_;
  std::size_t lineCount_ = 0;
  std::vector<std::string_view> lines_;
  // The box's own lines; a deque keeps them in place as it grows.
  std::deque<std::string> owned_;
  // Which listed lines are views: their fingerprint is where they are, not
  // what they say, so that a line of megabytes shown again costs nothing.
  std::vector<bool> viewed_;
  LineView* widget_;
  // How many of lines_ the widget shows, and whether those still match.
  std::size_t shownCount_ = 0;
  bool shownValid_ = false;
  bool readableWhenCut_ = false;
  std::uint64_t shownFingerprint_ = kFingerprintStart;
};

}  // namespace app
