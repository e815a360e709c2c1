#pragma once
// An ordered list of Windows-1252 strings, indexed from 0, never sorted.
//
// Entries loaded from a file are pieces of the file's one buffer (offset and
// length, eight bytes an entry); entries appended or replaced later are kept
// by the column itself. A column may instead be derived from another: each
// entry a part of the other's entry, cut when it is read, nothing kept.
// find() answers from a hash index of the case-folded entries that holds one
// slot per distinct entry and no heap block per entry, its size following
// the number of distinct entries; it is built by buildIndex() or the first
// find, and kept up to date by every append.

#include <algorithm>
#include <cstdint>
#include <chrono>
#include <deque>
#include <future>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace catalog {

// The bytes of a file as read, shared by the columns cut from it. Not a
// std::string: a string would be filled with zeros before the file is read
// into it, which for a large file costs as much as the reading.
class FileText {
 public:
  FileText() = default;
  explicit FileText(std::size_t size) : bytes_(new char[size]), size_(size) {}
  explicit FileText(std::string_view text) : FileText(text.size()) { std::copy(text.begin(), text.end(), bytes_.get()); }
  char* data() { return bytes_.get(); }
  std::size_t size() const { return size_; }
  // Keeps the first size bytes (the memory stays).
  void shrink(std::size_t size) { size_ = std::min(size, size_); }
  operator std::string_view() const { return {bytes_.get(), size_}; }
  // The size of the file the text was read from: larger than the text when
  // reading stopped at a NUL byte, after which nothing is read.
  std::size_t fileSize() const { return std::max(fileSize_, size_); }
  void setFileSize(std::size_t size) { fileSize_ = size; }

 private:
  std::unique_ptr<char[]> bytes_;
  std::size_t size_ = 0;
  std::size_t fileSize_ = 0;
};

// A piece of a buffer: where an entry starts and how long it is.
struct Piece {
  std::uint32_t offset;
  std::uint32_t length;
};

class Column {
 public:
  Column() = default;
  // A copy waits for an index being built; the copy builds its own.
  Column(const Column& other);
  Column& operator=(const Column& other);
  ~Column();

  int count() const { return source_ ? source_->count() : static_cast<int>(pieces_.size()); }
  // Entry index; fails with the list index error outside 0..count-1. The
  // view stays valid until the column is cleared or assigned (a derived
  // column's, until its lines change).
  std::string_view get(int index) const;
  // The first entry, from index 0 upward, equal to text when letter case is
  // ignored, or -1. The empty text finds an empty entry.
  int find(std::string_view text) const;
  void append(std::string_view text);
  void replace(int index, std::string_view text);
  void clear();

  // Replaces every entry by pieces of buffer, which the column shares.
  void assign(std::shared_ptr<const FileText> buffer, std::vector<Piece> pieces);
  // Replaces every entry: entry i becomes cut(lines entry i), read when it
  // is asked for, so that the column costs no memory per entry. cut returns
  // a view into its argument. The column follows lines from then on (their
  // changes are its changes; its copies follow them too), so lines must
  // outlive it, and lines may not be derived. Appending or replacing takes
  // copies of every entry first.
  using Cut = std::string_view (*)(std::string_view);
  void derive(const Column& lines, Cut cut);
  // Builds the index now unless it is up to date, so that no later find
  // pays for it.
  void buildIndex() const;
  // Builds it on another thread; every use of the column waits for it.
  void buildIndexInBackground() const;
  // Waits until an index being built on another thread is done; true at
  // once when there is none.
  bool indexReady(std::chrono::milliseconds wait) const;

  // A copy of every entry, for the few callers that want strings.
  std::vector<std::string> entries() const;

  // Changes with every modification; lets derived indexes know when to rebuild.
  unsigned long revision() const { return revision_ + (source_ ? source_->revision() : 0); }

 private:
  static constexpr std::uint32_t kOwned = 0x80000000u;  // length flag: offset indexes owned_

  std::string_view at(std::size_t index) const { return source_ ? cut_(source_->storedAt(index)) : storedAt(index); }
  std::string_view storedAt(std::size_t index) const {
    const Piece piece = pieces_[index];
    if (piece.length & kOwned) return owned_[piece.offset];
    return std::string_view(*buffer_).substr(piece.offset, piece.length);
  }
  // A derived column becomes one of its own: copies of every entry.
  void takeOwnCopies();
  // Forgets an index made before the lines a derived column follows changed.
  void forgetStaleIndex() const;
  void waitForIndex() const;
  void buildIndexHere() const;
  std::size_t slotOf(std::string_view text, std::uint64_t hash) const;
  static std::uint64_t slotValue(std::uint64_t hash, std::uint32_t index) { return (hash & ~0xFFFFFFFFull) | (index + 1u); }
  // Where probing for a hash (or a slot's value, which keeps its upper
  // half) starts.
  static std::size_t homeSlot(std::uint64_t hash, std::size_t mask) { return static_cast<std::size_t>(hash >> 32) & mask; }
  void insertIntoIndex(std::uint32_t index, std::uint64_t hash) const;
  void growIndex() const;
  static std::size_t slotsFor(std::size_t entries);

  std::shared_ptr<const FileText> buffer_;
  std::deque<std::string> owned_;  // a deque keeps earlier entries in place
  std::vector<Piece> pieces_;
  const Column* source_ = nullptr;  // the lines a derived column cuts
  Cut cut_ = nullptr;
  unsigned long revision_ = 0;
  // Open addressing over the folded entries: 0 is an empty slot, else the
  // index + 1 of the first entry with that folded text in the low half and
  // the upper half of its hash in the high half, so that a probe reads an
  // entry only when the hashes agree.
  mutable std::vector<std::uint64_t> slots_;
  mutable std::size_t used_ = 0;  // slots holding an entry
  mutable bool indexed_ = false;
  mutable unsigned long indexedSourceRevision_ = 0;
  mutable std::shared_future<void> building_;
};

}  // namespace catalog
