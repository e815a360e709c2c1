// Printed lines into one text, and the rule for a word broken at a line end.

#include <gtest/gtest.h>

#include "annex/text_joining.h"

namespace {

TEST(TextJoining, ABrokenWordTakesTheFormTheAnnexesPrintElsewhere) {
  annex::TextJoiner joiner;
  joiner.learn({"Gabe von Prothrombinkomplex, parenteral", "Human-Immunglobulin, spezifisch",
                "zwei Medikamente-freisetzende Ballons", "Thrombozytenkonzentrat und Thrombozyten-Konzentrat"});
  struct Case {
    annex::PrintedLines lines;
    std::string joined;
  };
  const std::vector<Case> cases = {
      {{"Gabe von Prothrombin-", "komplex, parenteral"}, "Gabe von Prothrombinkomplex, parenteral"},
      {{"Gabe von Human-", "Immunglobulin"}, "Gabe von Human-Immunglobulin"},
      // Another ending and another letter case count as the same form.
      {{"mehr medikamente-", "freisetzenden Ballons"}, "mehr medikamente-freisetzenden Ballons"},
      // Neither form printed: the hyphen stays before a capital or digit.
      {{"Prä-ECMO-", "Therapie"}, "Prä-ECMO-Therapie"},
      {{"Anti-", "koagulation"}, "Antikoagulation"},
      {{"C1-", "2 mg"}, "C1-2 mg"},
      // Both forms printed: the same rule decides.
      {{"Thrombozyten-", "konzentrat"}, "Thrombozytenkonzentrat"},
      {{"Links-", "und rechtsventrikul\xE4re"}, "Links- und rechtsventrikul\xE4re"},
      {{"Fremdk\xF6rper-", "oder Thrombektomie"}, "Fremdk\xF6rper- oder Thrombektomie"},
      // A dash on its own is no broken word; blanks collapse, ";" becomes ",".
      {{"ZE13.12 -", "ZE13.16"}, "ZE13.12 - ZE13.16"},
      {{"  a;  b ", "", " c"}, "a, b c"},
  };
  for (const Case& each : cases) EXPECT_EQ(joiner.join(each.lines, "ZE"), each.joined) << each.joined;
}

TEST(TextJoining, EveryJoinIsReportedOnceWithWhereItWasFirstMade) {
  annex::TextJoiner joiner;
  joiner.learn({"Prothrombinkomplex"});
  joiner.join({"Prothrombin-", "komplex"}, "ZE30");
  joiner.join({"Prothrombin-", "komplex"}, "ZE31");
  joiner.join({"Anti-", "koagulation"}, "ZE32");
  EXPECT_EQ(joiner.joins(), (std::vector<std::string>{"Prothrombin-|komplex -> Prothrombinkomplex (ZE30, ...)",
                                                      "Anti-|koagulation -> Antikoagulation (ZE32)"}));
}

}  // namespace
