#pragma once
// An ordered list of Windows-1252 strings, indexed from 0, never sorted.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace catalog {

class Column {
 public:
  int count() const { return static_cast<int>(entries_.size()); }
  const std::string& get(int index) const;
  // The first entry, from index 0 upward, equal to text when letter case is
  // ignored, or -1. The empty text finds an empty entry.
  int find(std::string_view text) const;
  void append(std::string text);
  void replace(int index, std::string text);
  void clear();

  // Replaces every entry at once.
  void assign(std::vector<std::string> entries);
  const std::vector<std::string>& entries() const { return entries_; }

  // Changes with every modification; lets derived indexes know when to rebuild.
  unsigned long revision() const { return revision_; }

 private:
  void buildIndex() const;
  void indexEntry(int index) const;
  void unindexEntry(int index) const;

  std::vector<std::string> entries_;
  unsigned long revision_ = 0;
  // Folded text -> the indexes holding it, ascending. Built on the first
  // find, then kept up to date by every change.
  mutable std::unordered_map<std::string, std::vector<int>> index_;
  mutable bool indexed_ = false;
};

}  // namespace catalog
