#pragma once
// The amount: a right-aligned label that keeps its right edge and grows to
// the left with its text.

#include <QLabel>
#include <string>

namespace app {

// Lives as a child of its widget.
class AmountLabel : public QObject {
 public:
  AmountLabel(QWidget* parent, int rightEdge, int top);

  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption) { caption_ = std::move(caption); }

  void sync();
  QLabel* widget() const { return widget_; }

 private:
  QLabel* widget_;
  int rightEdge_;
  int top_;
  std::string caption_;
  bool shownOnce_ = false;
};

}  // namespace app
