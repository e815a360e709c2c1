#pragma once
// Turning a file's text into lines.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/column.h"

namespace catalog {

// Cuts text into lines: CR, LF and CR LF end a line, a NUL byte ends the
// text, and a line end at the very end starts no further empty line. Each
// line is a piece of text. progress, when given, is called after every few
// megabytes cut.
std::vector<Piece> linePieces(std::string_view text, const std::function<void()>& progress = {});
// The same lines as views of text.
std::vector<std::string_view> lineViews(std::string_view text);
// The same lines as strings.
std::vector<std::string> splitLines(std::string_view text);

// Reads a whole file (see file_reading.h) and cuts it into lines.
std::vector<std::string> loadLines(std::string_view displayName,
                                   const std::vector<std::string>& paths);
std::vector<std::string> loadLines(const std::string& fileName);

}  // namespace catalog
