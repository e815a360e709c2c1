// The line cutter on any bytes: every line is a piece of the text before the
// first NUL, and no line holds a line end.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "catalog/lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::size_t total = 0;
  for (const std::string& line : catalog::splitLines(text)) {
    if (line.find_first_of("\r\n") != std::string::npos || line.find('\0') != std::string::npos) std::abort();
    total += line.size();
  }
  if (total > text.substr(0, text.find('\0')).size()) std::abort();
  return 0;
}
