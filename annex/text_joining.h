#pragma once
// Printed lines joined into one text. A word broken at a line end with "-"
// is joined by what the annexes print elsewhere: without the hyphen when
// only that form occurs ("Prothrombin-" "komplex": Prothrombinkomplex),
// with it when only that one does ("Human-" "Immunglobulin"); else with it
// before a capital or digit, without it before a small letter. "und" and
// "oder" after a hyphen stay a word of their own ("Links- und rechts...").

#include <string>
#include <map>
#include <set>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "annex/definitions.h"

namespace annex {

class TextJoiner {
 public:
  // Learns the forms the annexes print within lines.
  void learn(const PrintedLines& lines);
  // The lines as one text: blanks collapsed, ";" written as ",". where
  // names the text in the report of joins.
  std::string join(const PrintedLines& lines, std::string_view where);
  // Each join made, for the report: "Prothrombin-|komplex -> Prothrombinkomplex (ZE30)".
  const std::vector<std::string>& joins() const { return joins_; }

 private:
  std::string joinBroken(std::string_view left, std::string_view right, std::string_view where);

  // Small letters only, sorted, so that a form is found whatever its ending
  // ("Medikamente-freisetzende" for "medikamente-" "freisetzenden").
  std::set<std::string> parts_;  // the pieces of words between hyphens
  std::set<std::string> pairs_;  // two neighbouring pieces with their hyphen
  bool printed(const std::set<std::string>& forms, const std::string& start) const;
  std::vector<std::string> joins_;
  std::map<std::string, std::size_t> reported_;  // join -> its line in joins_
};

}  // namespace annex
