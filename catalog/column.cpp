#include "catalog/column.h"

#include <array>
#include <bit>
#include <stdexcept>

#include "catalog/cp1252.h"
#include "catalog/errors.h"

namespace catalog {
namespace {

// FNV-1a over the folded bytes: equal texts that differ only in letter case
// hash alike. The final mix (MurmurHash3's) spreads a difference in the last
// bytes over the upper half too, where probing starts.
std::uint64_t foldedHash(std::string_view text) {
  std::uint64_t hash = 14695981039346656037ull;
  for (char c : text) {
    hash ^= cp1252::foldCase(static_cast<unsigned char>(c));
    hash *= 1099511628211ull;
  }
  hash ^= hash >> 33;
  hash *= 0xff51afd7ed558ccdull;
  hash ^= hash >> 33;
  hash *= 0xc4ceb9fe1a85ec53ull;
  return hash ^ (hash >> 33);
}

}  // namespace

std::string_view Column::get(int index) const {
  if (index < 0 || index >= count()) throw indexOutOfRange(index);
  return at(static_cast<std::size_t>(index));
}

std::size_t Column::slotOf(std::string_view text, std::uint64_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  const std::uint64_t tag = hash & ~0xFFFFFFFFull;
  for (std::size_t slot = homeSlot(hash, mask);; slot = (slot + 1) & mask) {
    const std::uint64_t held = slots_[slot];
    if (held == 0) return slot;
    if ((held & ~0xFFFFFFFFull) == tag && cp1252::equalsIgnoringCase(at(static_cast<std::uint32_t>(held) - 1u), text))
      return slot;
  }
}

// At most three quarters of the slots in use keeps the probes short.
std::size_t Column::slotsFor(std::size_t entries) {
  return std::bit_ceil(std::max<std::size_t>(16, entries + entries / 3 + 1));
}

void Column::insertIntoIndex(std::uint32_t index, std::uint64_t hash) const {
  std::uint64_t& slot = slots_[slotOf(at(index), hash)];
  if (slot != 0) return;  // an earlier equal entry keeps the slot
  slot = slotValue(hash, index);
  if (slotsFor(++used_) > slots_.size()) growIndex();
}

// The slots follow the distinct entries, not all of them: a column of a
// million equal entries needs a handful. A slot's home is in the upper half
// of the hash that the slot keeps, so growing reads no entry.
void Column::growIndex() const {
  std::vector<std::uint64_t> old(slots_.size() * 2, 0);
  old.swap(slots_);
  const std::size_t mask = slots_.size() - 1;
  for (const std::uint64_t held : old) {
    if (held == 0) continue;
    std::size_t slot = homeSlot(held, mask);
    while (slots_[slot] != 0) slot = (slot + 1) & mask;
    slots_[slot] = held;
  }
}

Column::Column(const Column& other) { *this = other; }

Column& Column::operator=(const Column& other) {
  if (this == &other) return *this;
  waitForIndex();
  other.waitForIndex();
  buffer_ = other.buffer_;
  owned_ = other.owned_;
  pieces_ = other.pieces_;
  source_ = other.source_;
  cut_ = other.cut_;
  revision_ = std::max(revision_, other.revision_) + 1;
  indexedSourceRevision_ = other.indexedSourceRevision_;
  slots_ = other.slots_;
  used_ = other.used_;
  indexed_ = other.indexed_;
  return *this;
}

Column::~Column() { waitForIndex(); }

void Column::waitForIndex() const {
  if (building_.valid()) {
    building_.wait();
    building_ = {};
  }
}

bool Column::indexReady(std::chrono::milliseconds wait) const {
  if (building_.valid() && building_.wait_for(wait) != std::future_status::ready) return false;
  waitForIndex();
  return true;
}

void Column::buildIndexInBackground() const {
  waitForIndex();
  building_ = std::async(std::launch::async, [this] { buildIndexHere(); }).share();
}

void Column::buildIndex() const {
  waitForIndex();
  forgetStaleIndex();
  if (!indexed_) buildIndexHere();
}

void Column::forgetStaleIndex() const {
  if (source_ && indexedSourceRevision_ != source_->revision()) indexed_ = false;
}

void Column::buildIndexHere() const {
  // Room for one entry in 64 distinct at first; it grows as more are
  // (growing reads no entry), and a column of a million equal group keys
  // holds a few kilobytes, not megabytes.
  const auto count = static_cast<std::uint32_t>(this->count());
  slots_.assign(slotsFor(count / 64), 0);
  used_ = 0;
  // The slots are met in no order: ask for each a little ahead of its use,
  // so that the memory fetches overlap.
  constexpr std::uint32_t kAhead = 16;
  std::array<std::uint64_t, kAhead> hashes{};
  for (std::uint32_t i = 0; i < count + kAhead; ++i) {
    if (i >= kAhead) insertIntoIndex(i - kAhead, hashes[(i - kAhead) % kAhead]);
    if (i < count) {
      hashes[i % kAhead] = foldedHash(at(i));
      __builtin_prefetch(&slots_[homeSlot(hashes[i % kAhead], slots_.size() - 1)]);
    }
  }
  indexed_ = true;
  if (source_) indexedSourceRevision_ = source_->revision();
}

int Column::find(std::string_view text) const {
  waitForIndex();
  forgetStaleIndex();
  if (!indexed_) buildIndexHere();
  const std::uint64_t held = slots_[slotOf(text, foldedHash(text))];
  return static_cast<int>(static_cast<std::uint32_t>(held)) - 1;
}

void Column::append(std::string_view text) {
  waitForIndex();
  takeOwnCopies();
  owned_.emplace_back(text);
  pieces_.push_back({static_cast<std::uint32_t>(owned_.size() - 1), kOwned});
  ++revision_;
  if (indexed_) insertIntoIndex(static_cast<std::uint32_t>(pieces_.size() - 1), foldedHash(text));
}

void Column::replace(int index, std::string_view text) {
  waitForIndex();
  if (index < 0 || index >= count()) throw indexOutOfRange(index);
  takeOwnCopies();
  owned_.emplace_back(text);
  pieces_[static_cast<std::size_t>(index)] = {static_cast<std::uint32_t>(owned_.size() - 1), kOwned};
  ++revision_;
  // The replaced entry may have held a slot another entry now takes over.
  indexed_ = false;
}

void Column::clear() {
  waitForIndex();
  // Past every revision the column had, the lines' changes included.
  revision_ = revision();
  source_ = nullptr;
  cut_ = nullptr;
  buffer_.reset();
  owned_.clear();
  pieces_.clear();
  pieces_.shrink_to_fit();
  slots_.clear();
  slots_.shrink_to_fit();
  used_ = 0;
  indexed_ = false;
  ++revision_;
}

void Column::assign(std::shared_ptr<const FileText> buffer, std::vector<Piece> pieces) {
  clear();
  buffer_ = std::move(buffer);
  pieces_ = std::move(pieces);
  ++revision_;
}

void Column::derive(const Column& lines, Cut cut) {
  if (lines.source_) throw std::logic_error("a derived column cannot be derived from");
  clear();
  source_ = &lines;
  cut_ = cut;
  ++revision_;
}

void Column::takeOwnCopies() {
  if (!source_) return;
  forgetStaleIndex();
  const auto entries = static_cast<std::size_t>(count());
  std::vector<Piece> pieces;
  pieces.reserve(entries);
  for (std::size_t i = 0; i < entries; ++i) {
    owned_.emplace_back(at(i));
    pieces.push_back({static_cast<std::uint32_t>(owned_.size() - 1), kOwned});
  }
  revision_ = revision();
  source_ = nullptr;
  cut_ = nullptr;
  pieces_ = std::move(pieces);
  // The entries are the same: the index stays right.
}

std::vector<std::string> Column::entries() const {
  std::vector<std::string> result;
  const auto entries = static_cast<std::size_t>(count());
  result.reserve(entries);
  for (std::size_t i = 0; i < entries; ++i) result.emplace_back(at(i));
  return result;
}

}  // namespace catalog
