#include "catalog/german_numbers.h"

namespace catalog {

std::string withThousandPoints(std::string digits) {
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(static_cast<std::size_t>(at), 1, '.');
  return digits;
}

}  // namespace catalog
