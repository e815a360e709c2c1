#pragma once
// What the rebuild's walk collects: assignment lines in the order first
// met, each once, letter case ignored (the form met first stays).

#include <string>
#include <string_view>
#include <vector>

#include "catalog/column.h"

namespace catalog {

class AssignmentCollector {
 public:
  void add(std::string_view line) {
    if (lines_.find(line) == -1) lines_.append(line);
  }
  void clear() { lines_.clear(); }
  std::vector<std::string> lines() const { return lines_.entries(); }
  // The same lines where the collector keeps them, valid until it changes.
  std::vector<std::string_view> views() const {
    std::vector<std::string_view> views;
    views.reserve(static_cast<std::size_t>(lines_.count()));
    for (int i = 0; i < lines_.count(); ++i) views.push_back(lines_.get(i));
    return views;
  }

 private:
  Column lines_;
};

}  // namespace catalog
