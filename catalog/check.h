#pragma once
// The maintainer's check of the four files: what start-up would load without
// a word but a coder would see as a wrong or empty window.

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace catalog {

enum class Severity { Error, Warning, Info };

struct Finding {
  std::string file;  // the file's name as shown (Windows-1252)
  int line;          // from 1; 0 for the whole file
  Severity severity;
  std::string message;  // German, Windows-1252
  // The last of a run of lines that each have this finding; line itself
  // (or 0) for one line.
  int lastLine = 0;
  // How many lines the finding stands for.
  std::size_t lines() const { return lastLine > line ? static_cast<std::size_t>(lastLine - line) + 1 : 1; }
};

// The bytes of "ZE-Katalog.csv", "Fußnoten.txt", "OPS-Kodes.csv" and
// "OPS-Zuordnung.csv", as read (held by the caller for the check's
// length); and the lines a rebuild would write now,
// asked for only when the assignment file's turn comes (a rebuild of a huge
// catalog takes a while; the other files' findings are out by then).
struct CheckInput {
  std::array<std::string_view, 4> files;
  std::function<std::vector<std::string>()> rebuiltAssignments;
  // Each file's size where its text ended at a NUL byte and the rest was
  // not read; 0: the text is the whole file.
  std::array<std::size_t, 4> fileSizes{};
};

// The lines of after that before lacks, and the lines of before that after
// lacks, each line counted as often as it occurs; sorted.
struct LineDifference {
  std::vector<std::string> added;
  std::vector<std::string> dropped;
};
LineDifference differenceOf(const std::vector<std::string>& before, const std::vector<std::string>& after);
// How many lines of before after has too, each line counted as often as it
// occurs in both: before's size less differenceOf's dropped lines.
std::size_t linesKept(const std::vector<std::string_view>& before, const std::vector<std::string_view>& after);

// Findings in file order, each file's findings by line. Each file's
// findings are reported as soon as that file is checked.
void checkCatalog(const CheckInput& input, const std::function<void(const Finding&)>& report);
std::vector<Finding> checkCatalog(const CheckInput& input);

// "file:line: severity: message", the line left out when it is 0.
std::string formatFinding(const Finding& finding);
// "N Fehler, N Warnungen, N Hinweise".
std::string summarize(const std::vector<Finding>& findings);
// The same from counts by severity (Error, Warning, Info).
std::string summarize(const std::array<std::size_t, 3>& counts);

}  // namespace catalog
