#include "catalog/key_index.h"

namespace catalog {

const std::vector<int>& ExactKeyIndex::indexesOf(std::string_view key) const {
  if (builtRevision_ != column_.revision()) {
    index_.clear();
    const auto& entries = column_.entries();
    for (std::size_t i = 0; i < entries.size(); ++i)
      index_[entries[i].substr(0, keyLength_)].push_back(static_cast<int>(i));
    builtRevision_ = column_.revision();
  }
  static const std::vector<int> none;
  const auto it = index_.find(std::string(key));
  return it == index_.end() ? none : it->second;
}

}  // namespace catalog
