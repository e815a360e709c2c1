#pragma once
// Turning a file into lines and lines into a file.

#include <string>
#include <string_view>
#include <vector>

namespace catalog {

// Cuts text into lines: CR, LF and CR LF end a line, a NUL byte ends the
// text, and a line end at the very end starts no further empty line.
std::vector<std::string> splitLines(std::string_view text);

// Reads a whole file. The first path that exists is read; errors name the
// file by displayName.
std::vector<std::string> loadLines(std::string_view displayName,
                                   const std::vector<std::string>& paths);
std::vector<std::string> loadLines(const std::string& fileName);

// Writes each line followed by CR LF into a new temporary file beside
// fileName and renames it over fileName, so that a failure at any point
// leaves an existing file whole.
void saveLinesReplacing(const std::string& fileName, const std::vector<std::string>& lines);

}  // namespace catalog
