#pragma once
// How many screen rows each line of a view takes, as far as it is known: a
// line counts one row until it has been laid out. Sums and the line at a row
// cost O(log n), so that a view of millions of lines scrolls without
// measuring them all (a Fenwick tree; 4 bytes a line).

#include <cstdint>
#include <utility>
#include <vector>

namespace app {

class RowCounts {
 public:
  void clear() { tree_.clear(); }
  int lineCount() const { return static_cast<int>(tree_.size()); }

  // A new last line of one row.
  void append() {
    const std::size_t i = tree_.size() + 1;  // 1-based
    // The new node covers (i - lowbit(i), i]: its own row and the nodes
    // below it that end inside that range.
    std::int32_t sum = 1;
    for (std::size_t j = i - 1; j > i - lowbit(i); j -= lowbit(j)) sum += tree_[j - 1];
    tree_.push_back(sum);
  }

  // Rows before line (the sum of lines 0 .. line-1).
  std::int64_t rowsBefore(int line) const {
    std::int64_t sum = 0;
    for (std::size_t i = static_cast<std::size_t>(line); i > 0; i -= lowbit(i)) sum += tree_[i - 1];
    return sum;
  }
  std::int64_t total() const { return rowsBefore(lineCount()); }
  int rowsOf(int line) const { return static_cast<int>(rowsBefore(line + 1) - rowsBefore(line)); }

  void setRows(int line, int rows) {
    const std::int32_t change = rows - rowsOf(line);
    if (change == 0) return;
    for (std::size_t i = static_cast<std::size_t>(line) + 1; i <= tree_.size(); i += lowbit(i)) tree_[i - 1] += change;
  }

  // The line that holds row (from 0) and the row's place in it; rows past
  // the end give the last line's last row.
  std::pair<int, int> lineAt(std::int64_t row) const {
    if (tree_.empty()) return {0, 0};
    if (row >= total()) return {lineCount() - 1, rowsOf(lineCount() - 1) - 1};
    std::size_t at = 0;
    std::int64_t rest = row;
    for (std::size_t step = highestPowerOfTwoIn(tree_.size()); step > 0; step >>= 1) {
      if (at + step <= tree_.size() && tree_[at + step - 1] <= rest) {
        at += step;
        rest -= tree_[at - 1];
      }
    }
    return {static_cast<int>(at), static_cast<int>(rest)};
  }

 private:
  static std::size_t lowbit(std::size_t i) { return i & (~i + 1); }
  static std::size_t highestPowerOfTwoIn(std::size_t n) {
    std::size_t p = 1;
    while (p * 2 <= n) p *= 2;
    return p;
  }

  std::vector<std::int32_t> tree_;
};

}  // namespace app
