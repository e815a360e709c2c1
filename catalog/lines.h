#pragma once
// Turning a file into lines and lines into a file.

#include <string>
#include <string_view>
#include <vector>

namespace catalog {

// Cuts text into lines: CR, LF and CR LF end a line, a NUL byte ends the
// text, and a line end at the very end starts no further empty line.
std::vector<std::string> splitLines(std::string_view text);

// Reads a whole file (see file_reading.h) and cuts it into lines.
std::vector<std::string> loadLines(std::string_view displayName,
                                   const std::vector<std::string>& paths);
std::vector<std::string> loadLines(const std::string& fileName);

}  // namespace catalog
