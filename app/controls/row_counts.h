#pragma once
// How many screen rows each line of a view takes, as far as it is known: a
// line counts one row until it has been laid out. Sums and the line at a row
// cost O(log n), so that a view of millions of lines scrolls without
// measuring them all.
//
// Only the lines laid out with more than one row cost memory: the lines go
// in blocks of 64, a Fenwick tree holds each block's rows beyond one a line
// (8 bytes a block), and a block keeps its lines' rows only once one of them
// has more than one.

#include <algorithm>
#include <array>
#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

namespace app {

class RowCounts {
 public:
  void clear() {
    tree_.clear();
    tree_.shrink_to_fit();
    extraRows_.clear();
    lines_ = 0;
  }
  int lineCount() const { return lines_; }

  // New last lines of one row each, until there are lines in all.
  void growTo(int lines) {
    while (tree_.size() < blocksFor(lines)) {
      const std::size_t i = tree_.size() + 1;  // 1-based
      // The new node covers (i - lowbit(i), i]: the nodes below it that end
      // inside that range, its own block adding nothing yet.
      std::int64_t sum = 0;
      for (std::size_t j = i - 1; j > i - lowbit(i); j -= lowbit(j)) sum += tree_[j - 1];
      tree_.push_back(sum);
    }
    lines_ = std::max(lines_, lines);
  }

  // Rows before line (the sum of lines 0 .. line-1).
  std::int64_t rowsBefore(int line) const {
    const auto block = static_cast<std::size_t>(line) / kBlock;
    std::int64_t sum = line + extraBeforeBlock(block);
    if (const auto found = extraRows_.find(block); found != extraRows_.end())
      for (std::size_t i = block * kBlock; i < static_cast<std::size_t>(line); ++i) sum += found->second[i % kBlock];
    return sum;
  }
  std::int64_t total() const { return rowsBefore(lineCount()); }
  int rowsOf(int line) const {
    const auto found = extraRows_.find(static_cast<std::size_t>(line) / kBlock);
    return found == extraRows_.end() ? 1 : 1 + found->second[static_cast<std::size_t>(line) % kBlock];
  }

  void setRows(int line, int rows) {
    const std::int32_t change = rows - rowsOf(line);
    if (change == 0) return;
    const auto block = static_cast<std::size_t>(line) / kBlock;
    auto found = extraRows_.find(block);
    if (found == extraRows_.end()) found = extraRows_.emplace(block, Block{}).first;
    found->second[static_cast<std::size_t>(line) % kBlock] += change;
    for (std::size_t i = block + 1; i <= tree_.size(); i += lowbit(i)) tree_[i - 1] += change;
  }

  // The line that holds row (from 0) and the row's place in it; rows past
  // the end give the last line's last row.
  std::pair<int, int> lineAt(std::int64_t row) const {
    if (lines_ == 0) return {0, 0};
    if (row >= total()) return {lineCount() - 1, rowsOf(lineCount() - 1) - 1};
    // Whole blocks before the row: a node covering `step` blocks holds
    // 64 rows a block and its extra ones (the last block, maybe not full,
    // is counted as full, which only makes it look longer than the row).
    std::size_t at = 0;
    std::int64_t rest = row;
    for (std::size_t step = highestPowerOfTwoIn(tree_.size()); step > 0; step >>= 1) {
      if (at + step > tree_.size()) continue;
      const std::int64_t rows = static_cast<std::int64_t>(step) * kBlock + tree_[at + step - 1];
      if (rows <= rest) {
        at += step;
        rest -= rows;
      }
    }
    int line = static_cast<int>(at * kBlock);
    for (; line + 1 < lines_ && rowsOf(line) <= rest; ++line) rest -= rowsOf(line);
    return {line, static_cast<int>(rest)};
  }

 private:
  static constexpr std::size_t kBlock = 64;
  using Block = std::array<std::int32_t, kBlock>;  // rows beyond one, a line each

  static std::size_t blocksFor(int lines) { return (static_cast<std::size_t>(lines) + kBlock - 1) / kBlock; }
  static std::size_t lowbit(std::size_t i) { return i & (~i + 1); }
  static std::size_t highestPowerOfTwoIn(std::size_t n) {
    std::size_t p = 1;
    while (p * 2 <= n) p *= 2;
    return p;
  }
  std::int64_t extraBeforeBlock(std::size_t block) const {
    std::int64_t sum = 0;
    for (std::size_t i = block; i > 0; i -= lowbit(i)) sum += tree_[i - 1];
    return sum;
  }

  std::vector<std::int64_t> tree_;
  std::unordered_map<std::size_t, Block> extraRows_;
  int lines_ = 0;
};

}  // namespace app
