#pragma once
// An ordered list of Windows-1252 strings, indexed from 0, never sorted.
//
// Entries loaded from a file are pieces of the file's one buffer (offset and
// length, eight bytes an entry); entries appended or replaced later are kept
// by the column itself. find() answers from a hash index of the
// case-folded entries that holds one slot per distinct entry and no heap
// block per entry; it is built by buildIndex() or the first find, and kept
// up to date by every append.

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace catalog {

// A piece of a buffer: where an entry starts and how long it is.
struct Piece {
  std::uint32_t offset;
  std::uint32_t length;
};

class Column {
 public:
  int count() const { return static_cast<int>(pieces_.size()); }
  // Entry index; fails with the list index error outside 0..count-1. The
  // view stays valid until the column is cleared or assigned.
  std::string_view get(int index) const;
  // The first entry, from index 0 upward, equal to text when letter case is
  // ignored, or -1. The empty text finds an empty entry.
  int find(std::string_view text) const;
  void append(std::string_view text);
  void replace(int index, std::string_view text);
  void clear();

  // Replaces every entry by pieces of buffer, which the column shares.
  void assign(std::shared_ptr<const std::string> buffer, std::vector<Piece> pieces);
  // Builds the index now, so that no later find pays for it.
  void buildIndex() const;

  // A copy of every entry, for the few callers that want strings.
  std::vector<std::string> entries() const;

  // Changes with every modification; lets derived indexes know when to rebuild.
  unsigned long revision() const { return revision_; }

 private:
  static constexpr std::uint32_t kOwned = 0x80000000u;  // length flag: offset indexes owned_

  std::string_view at(std::size_t index) const;
  std::size_t slotOf(std::string_view text, std::uint64_t hash) const;
  void insertIntoIndex(std::uint32_t index) const;

  std::shared_ptr<const std::string> buffer_;
  std::deque<std::string> owned_;  // a deque keeps earlier entries in place
  std::vector<Piece> pieces_;
  unsigned long revision_ = 0;
  // Open addressing over the folded entries: 0 is an empty slot, else the
  // index + 1 of the first entry with that folded text.
  mutable std::vector<std::uint32_t> slots_;
  mutable bool indexed_ = false;
};

}  // namespace catalog
