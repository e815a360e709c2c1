#pragma once
// A read-only rich text box of the detail area. The handlers work on its
// lines held here; sync() shows them. Lines are counted as paragraphs.

#include <QPlainTextEdit>
#include <string>
#include <vector>

namespace app {

// Lives as a child of its widget.
class DetailBox : public QObject {
 public:
  explicit DetailBox(QWidget* parent);

  void clear() { lines_.clear(); }
  void appendLine(std::string line) { lines_.push_back(std::move(line)); }
  int lineCount() const { return static_cast<int>(lines_.size()); }
  const std::string& line(int index) const;
  void replaceLine(int index, std::string text);
  const std::vector<std::string>& lines() const { return lines_; }

  void sync();
  QPlainTextEdit* widget() const { return widget_; }

 private:
  QPlainTextEdit* widget_;
  std::vector<std::string> lines_;
  std::vector<std::string> shownLines_;
};

}  // namespace app
