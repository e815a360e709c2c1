#include "catalog/column.h"

#include <bit>

#include "catalog/cp1252.h"
#include "catalog/errors.h"

namespace catalog {
namespace {

// FNV-1a over the folded bytes: equal texts that differ only in letter case
// hash alike.
std::uint64_t foldedHash(std::string_view text) {
  std::uint64_t hash = 14695981039346656037ull;
  for (char c : text) {
    hash ^= cp1252::foldCase(static_cast<unsigned char>(c));
    hash *= 1099511628211ull;
  }
  return hash;
}

}  // namespace

std::string_view Column::at(std::size_t index) const {
  const Piece piece = pieces_[index];
  if (piece.length & kOwned) return owned_[piece.offset];
  return std::string_view(*buffer_).substr(piece.offset, piece.length);
}

std::string_view Column::get(int index) const {
  if (index < 0 || index >= count()) throw indexOutOfRange(index);
  return at(static_cast<std::size_t>(index));
}

std::size_t Column::slotOf(std::string_view text, std::uint64_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t slot = static_cast<std::size_t>(hash) & mask;; slot = (slot + 1) & mask) {
    const std::uint32_t held = slots_[slot];
    if (held == 0 || cp1252::equalsIgnoringCase(at(held - 1), text)) return slot;
  }
}

void Column::insertIntoIndex(std::uint32_t index) const {
  const std::string_view text = at(index);
  std::uint32_t& slot = slots_[slotOf(text, foldedHash(text))];
  if (slot == 0) slot = index + 1;  // an earlier equal entry keeps the slot
}

void Column::buildIndex() const {
  // At most half the slots in use keeps the probes short.
  slots_.assign(std::bit_ceil(std::max<std::size_t>(16, pieces_.size() * 2)), 0);
  for (std::uint32_t i = 0; i < pieces_.size(); ++i) insertIntoIndex(i);
  indexed_ = true;
}

int Column::find(std::string_view text) const {
  if (!indexed_) buildIndex();
  const std::uint32_t held = slots_[slotOf(text, foldedHash(text))];
  return static_cast<int>(held) - 1;
}

void Column::append(std::string_view text) {
  owned_.emplace_back(text);
  pieces_.push_back({static_cast<std::uint32_t>(owned_.size() - 1), kOwned});
  ++revision_;
  if (!indexed_) return;
  if (pieces_.size() * 2 > slots_.size()) {
    buildIndex();
  } else {
    insertIntoIndex(static_cast<std::uint32_t>(pieces_.size() - 1));
  }
}

void Column::replace(int index, std::string_view text) {
  if (index < 0 || index >= count()) throw indexOutOfRange(index);
  owned_.emplace_back(text);
  pieces_[static_cast<std::size_t>(index)] = {static_cast<std::uint32_t>(owned_.size() - 1), kOwned};
  ++revision_;
  // The replaced entry may have held a slot another entry now takes over.
  indexed_ = false;
}

void Column::clear() {
  buffer_.reset();
  owned_.clear();
  pieces_.clear();
  pieces_.shrink_to_fit();
  slots_.clear();
  slots_.shrink_to_fit();
  indexed_ = false;
  ++revision_;
}

void Column::assign(std::shared_ptr<const std::string> buffer, std::vector<Piece> pieces) {
  clear();
  buffer_ = std::move(buffer);
  pieces_ = std::move(pieces);
  ++revision_;
}

std::vector<std::string> Column::entries() const {
  std::vector<std::string> result;
  result.reserve(pieces_.size());
  for (std::size_t i = 0; i < pieces_.size(); ++i) result.emplace_back(at(i));
  return result;
}

}  // namespace catalog
