#include "catalog/lines.h"

#include <cstring>

#include "catalog/file_reading.h"

namespace catalog {

std::vector<Piece> linePieces(std::string_view text) {
  if (const void* nul = std::memchr(text.data(), '\0', text.size()))
    text = text.substr(0, static_cast<std::size_t>(static_cast<const char*>(nul) - text.data()));
  std::vector<Piece> lines;
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  // The next CR and the next LF, each found by memchr and kept until passed.
  const auto next = [end](const char* from, char c) {
    const void* found = std::memchr(from, c, static_cast<std::size_t>(end - from));
    return found ? static_cast<const char*>(found) : end;
  };
  const char* cr = next(begin, '\r');
  const char* lf = next(begin, '\n');
  const char* start = begin;
  while (start < end) {
    if (cr < start) cr = next(start, '\r');
    if (lf < start) lf = next(start, '\n');
    const char* stop = std::min(cr, lf);
    lines.push_back({static_cast<std::uint32_t>(start - begin), static_cast<std::uint32_t>(stop - start)});
    if (stop == end) break;
    start = stop + ((*stop == '\r' && stop + 1 < end && stop[1] == '\n') ? 2 : 1);
  }
  return lines;
}

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  for (const Piece& piece : linePieces(text)) lines.emplace_back(text.substr(piece.offset, piece.length));
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
