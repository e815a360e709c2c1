#include "catalog/lines.h"

#include "catalog/file_reading.h"

namespace catalog {

std::vector<std::string> splitLines(std::string_view text) {
  if (auto nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::vector<std::string> loadLines(std::string_view displayName,
                                   const std::vector<std::string>& paths) {
  return splitLines(readWholeFile(displayName, paths));
}

std::vector<std::string> loadLines(const std::string& fileName) {
  return loadLines(fileName, {fileName});
}

}  // namespace catalog
