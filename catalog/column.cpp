#include "catalog/column.h"

#include <algorithm>

#include "catalog/cp1252.h"
#include "catalog/errors.h"

namespace catalog {

const std::string& Column::get(int index) const {
  if (index < 0 || index >= count()) throw indexOutOfRange(index);
  return entries_[static_cast<std::size_t>(index)];
}

int Column::find(std::string_view text) const {
  if (!indexed_) buildIndex();
  const auto it = index_.find(cp1252::folded(text));
  return it == index_.end() ? -1 : it->second.front();
}

void Column::append(std::string text) {
  entries_.push_back(std::move(text));
  ++revision_;
  if (indexed_) indexEntry(count() - 1);
}

void Column::replace(int index, std::string text) {
  if (index < 0 || index >= count()) throw indexOutOfRange(index);
  if (indexed_) unindexEntry(index);
  entries_[static_cast<std::size_t>(index)] = std::move(text);
  ++revision_;
  if (indexed_) indexEntry(index);
}

void Column::clear() {
  entries_.clear();
  index_.clear();
  indexed_ = false;
  ++revision_;
}

void Column::assign(std::vector<std::string> entries) {
  clear();
  entries_ = std::move(entries);
  ++revision_;
}

void Column::buildIndex() const {
  index_.clear();
  index_.reserve(entries_.size());
  for (int i = 0; i < count(); ++i) index_[cp1252::folded(entries_[static_cast<std::size_t>(i)])].push_back(i);
  indexed_ = true;
}

void Column::indexEntry(int index) const {
  auto& positions = index_[cp1252::folded(entries_[static_cast<std::size_t>(index)])];
  positions.insert(std::lower_bound(positions.begin(), positions.end(), index), index);
}

void Column::unindexEntry(int index) const {
  const auto it = index_.find(cp1252::folded(entries_[static_cast<std::size_t>(index)]));
  auto& positions = it->second;
  positions.erase(std::lower_bound(positions.begin(), positions.end(), index));
  if (positions.empty()) index_.erase(it);
}

}  // namespace catalog
