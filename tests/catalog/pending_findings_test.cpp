#include "catalog/pending_findings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

struct Found {
  int line;
  catalog::Severity severity;
  std::string message;
  bool operator==(const Found&) const = default;
};

// Each finding once per line: every reported range written out on each of
// its lines, then ordered by line (a line's findings keep the order they
// were reported in). The ranges themselves come by their first line.
std::vector<Found> reported(catalog::PendingFindings& pending) {
  std::vector<Found> out;
  int lastFirst = 0;
  pending.report([&](int line, int lastLine, catalog::Severity severity, std::string_view message) {
    EXPECT_GE(line, lastFirst) << "ranges by their first line";
    EXPECT_GE(lastLine, line);
    lastFirst = line;
    for (int each = line; each <= lastLine; ++each) out.push_back({each, severity, std::string(message)});
  });
  std::stable_sort(out.begin(), out.end(), [](const Found& a, const Found& b) { return a.line < b.line; });
  return out;
}

// What a report must give: line 0 first, then by line, each line's
// findings in the order found.
std::vector<Found> byLine(std::vector<Found> found) {
  std::stable_sort(found.begin(), found.end(), [](const Found& a, const Found& b) { return a.line < b.line; });
  return found;
}

// Findings as a check adds them: lines that repeat the findings of the line
// before (runs of every length, lines with one finding fewer or more, the
// same text at another severity), passes that start again at an earlier
// line, and findings of the whole file at any time.
TEST(PendingFindings, ReportByLineInTheOrderFound) {
  std::mt19937 random(11);
  const std::vector<std::string> texts = {"Zeile wiederholt Zeile 1", "Zu wenige Felder", "Jahr fehlt", "anders"};
  for (int round = 0; round < 300; ++round) {
    catalog::PendingFindings pending;
    std::vector<Found> added;
    const auto add = [&](int line, catalog::Severity severity, const std::string& message) {
      pending.add(line, severity, message);
      added.push_back({line, severity, message});
    };
    std::vector<std::pair<catalog::Severity, std::string>> pattern = {{catalog::Severity::Warning, texts[0]},
                                                                      {catalog::Severity::Error, texts[1]}};
    int line = 1;
    const int passes = 1 + static_cast<int>(random() % 2);
    for (int pass = 0; pass < passes; ++pass) {
      for (int step = 0; step < 40; ++step) {
        switch (random() % 8) {
          case 0: pattern.pop_back(); break;
          case 1: pattern.push_back({catalog::Severity::Info, texts[random() % texts.size()]}); break;
          case 2: pattern.push_back({catalog::Severity::Error, texts[0]}); break;
          case 3: add(0, catalog::Severity::Info, texts[2]); break;
          case 4: line += 1 + static_cast<int>(random() % 3); continue;
          default: break;
        }
        if (pattern.empty()) pattern.push_back({catalog::Severity::Error, texts[3]});
        for (const auto& [severity, text] : pattern) add(line, severity, text);
        ++line;
      }
      line = 1 + static_cast<int>(random() % 20);
    }
    ASSERT_EQ(reported(pending), byLine(added)) << "round " << round;
    EXPECT_TRUE(reported(pending).empty()) << "a report leaves nothing pending";
  }
}

// A run of lines with the same findings is reported once per finding with
// its range; a line that differs ends it.
TEST(PendingFindings, ARunIsOneFindingWithItsRange) {
  catalog::PendingFindings pending;
  for (int line = 141; line <= 10140; ++line) {
    pending.add(line, catalog::Severity::Warning, "Zeile wiederholt Zeile 140");
    pending.add(line, catalog::Severity::Error, "Zu wenige Felder");
  }
  pending.add(10141, catalog::Severity::Warning, "Zeile wiederholt Zeile 140");
  pending.add(10142, catalog::Severity::Warning, "Zeile wiederholt Zeile 140");
  pending.add(10144, catalog::Severity::Warning, "Zeile wiederholt Zeile 140");
  std::vector<std::string> shown;
  pending.report([&shown](int line, int lastLine, catalog::Severity severity, std::string_view message) {
    shown.push_back(std::to_string(line) + "-" + std::to_string(lastLine) + " " +
                    std::to_string(static_cast<int>(severity)) + " " + std::string(message));
  });
  EXPECT_EQ(shown, (std::vector<std::string>{"141-10140 1 Zeile wiederholt Zeile 140", "141-10140 0 Zu wenige Felder",
                                             "10141-10142 1 Zeile wiederholt Zeile 140",
                                             "10144-10144 1 Zeile wiederholt Zeile 140"}));
}

}  // namespace
