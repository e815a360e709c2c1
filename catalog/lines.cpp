#include "catalog/lines.h"

#include <algorithm>
#include <cstring>

#include "catalog/file_reading.h"

namespace catalog {

std::vector<Piece> linePieces(std::string_view text, const std::function<void()>& progress) {
  if (text.empty()) return {};  // its data may be null, which memchr must not be given
  // Each pass over the text goes a megabyte at a time, calling progress
  // between: reading memory of a large file takes long enough to be seen.
  static constexpr std::ptrdiff_t kStep = 1 << 20;
  const char* const begin = text.data();
  const char* end = begin + text.size();
  const char* nextProgress = begin + kStep;
  const auto reached = [&](const char* at) {
    if (!progress || at < nextProgress) return;
    progress();
    nextProgress = at + kStep;
  };
  // The same pass counts both line ends, so that the list of lines is made
  // once at its size: growing it would hold the old list and the new one
  // at the same time. Every line but the last ends in CR, LF or CR LF, so
  // the larger count is the exact number for a file with one kind of line
  // end, and a little short only for one that mixes them.
  std::size_t crs = 0, lfs = 0;
  for (const char* from = begin; from < end; from += std::min(kStep, end - from)) {
    reached(from);
    const char* stepEnd = from + std::min(kStep, end - from);
    if (const void* nul = std::memchr(from, '\0', static_cast<std::size_t>(stepEnd - from))) {
      end = static_cast<const char*>(nul);
      stepEnd = end;
    }
    crs += static_cast<std::size_t>(std::count(from, stepEnd, '\r'));
    lfs += static_cast<std::size_t>(std::count(from, stepEnd, '\n'));
    if (stepEnd == end) break;
  }
  nextProgress = begin + kStep;

  // The next CR and the next LF, each looked for at most a step ahead and
  // kept until passed: a file with one kind of line end or very long lines
  // costs no pass per line. A look-ahead that found nothing stops at its
  // limit and goes on from there when that limit is the nearest.
  const auto next = [end](const char* from, char c) {
    const char* limit = from + std::min(kStep, end - from);
    const void* found = std::memchr(from, c, static_cast<std::size_t>(limit - from));
    return found ? static_cast<const char*>(found) : limit;
  };
  std::vector<Piece> lines;
  lines.reserve(std::max(crs, lfs) + 1);
  const char* cr = next(begin, '\r');
  const char* lf = next(begin, '\n');
  const char* start = begin;
  while (start < end) {
    if (cr < start) cr = next(start, '\r');
    if (lf < start) lf = next(start, '\n');
    for (;;) {
      reached(std::min(cr, lf));
      if (cr < end && *cr != '\r' && cr <= lf) {
        cr = next(cr, '\r');
      } else if (lf < end && *lf != '\n' && lf <= cr) {
        lf = next(lf, '\n');
      } else {
        break;
      }
    }
    const char* stop = std::min(cr, lf);
    lines.push_back({static_cast<std::uint32_t>(start - begin), static_cast<std::uint32_t>(stop - start)});
    if (stop == end) break;
    start = stop + ((*stop == '\r' && stop + 1 < end && stop[1] == '\n') ? 2 : 1);
  }
  return lines;
}

std::vector<std::string_view> lineViews(std::string_view text) {
  std::vector<std::string_view> lines;
  for (const Piece& piece : linePieces(text)) lines.push_back(text.substr(piece.offset, piece.length));
  return lines;
}

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  for (const Piece& piece : linePieces(text)) lines.emplace_back(text.substr(piece.offset, piece.length));
  return lines;
}

std::vector<std::string> loadLines(std::string_view displayName,
                                   const std::vector<std::string>& paths) {
  return splitLines(readWholeFile(displayName, paths, {}, ReadUpTo::FirstNul));
}

std::vector<std::string> loadLines(const std::string& fileName) {
  return loadLines(fileName, {fileName});
}

}  // namespace catalog
