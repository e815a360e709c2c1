#pragma once
// An iterator over anything that answers operator[](std::size_t) with a
// value: the thing and a place in it. The thing must outlive the iterator.

#include <cstddef>
#include <iterator>

namespace catalog {

template <typename Indexed, typename Value>
class IndexedIterator {
 public:
  using iterator_category = std::input_iterator_tag;
  using value_type = Value;
  using difference_type = std::ptrdiff_t;
  using pointer = void;
  using reference = Value;

  IndexedIterator() = default;
  IndexedIterator(const Indexed* indexed, std::size_t at) : indexed_(indexed), at_(at) {}
  Value operator*() const { return (*indexed_)[at_]; }
  IndexedIterator& operator++() {
    ++at_;
    return *this;
  }
  IndexedIterator operator++(int) {
    IndexedIterator before = *this;
    ++at_;
    return before;
  }
  bool operator==(const IndexedIterator& other) const { return at_ == other.at_; }

 private:
  const Indexed* indexed_ = nullptr;
  std::size_t at_ = 0;
};

}  // namespace catalog
