#include "catalog/rebuild_walk.h"

#include "catalog/assignment_collector.h"
#include "catalog/column.h"
#include "catalog/check.h"
#include "catalog/file_reading.h"
#include "catalog/lines.h"
#include "catalog/keys.h"

namespace catalog {
namespace {

// A drop-down box as the cascade uses it: its list and its text.
struct Box {
  Column items;
  std::string text;

  std::string item(int index) const {
    return index >= 0 && index < items.count() ? std::string(items.get(index)) : std::string();
  }
  // After the list is filled: the remembered text when the list holds it,
  // else the first item.
  void keepOrTakeFirst(std::string remembered) {
    text = items.find(remembered) != -1 ? std::move(remembered) : item(0);
  }
};

class Walk {
 public:
  explicit Walk(const Catalog& catalog) : catalog_(catalog) {}

  // Start-up: the current year's text, the first kind, an empty group box,
  // then the cascade, which collects nothing yet.
  void startIn(std::string_view currentYear) {
    year_ = std::string(currentYear);
    groups_.items.clear();
    groups_.text.clear();
    fillGroups();
  }

  std::unique_ptr<AssignmentCollector> walkEverything() {
    collecting_ = true;
    const std::vector<std::string> years = catalog_.yearsLastFirst();
    for (auto year = years.rbegin(); year != years.rend(); ++year) {
      year_ = *year;
      for (const int kind : {0, 1}) {
        chooseKind(kind);
        fillGroups();
        for (int g = 0; g < groups_.items.count(); ++g) {
          groups_.text = groups_.item(g);
          fillZes();
          for (int z = 0; z < zes_.items.count(); ++z) {
            zes_.text = zes_.item(z);
            collectValues();
          }
        }
      }
    }
    return std::move(collected_);
  }

 private:
  // A change of the kind runs the cascade as a click would.
  void chooseKind(int item) {
    if (item == kindItem_) return;
    kindItem_ = item;
    fillGroups();
  }

  void fillGroups() {
    std::string remembered = carryOverYear(groups_.text, year_);
    groups_.items.clear();
    for (const std::string_view name : catalog_.groupNames(year_, kindOfItem(kindItem_)))
      if (groups_.items.find(name) == -1) groups_.items.append(name);
    groups_.keepOrTakeFirst(std::move(remembered));
    fillZes();
  }

  void fillZes() {
    std::string remembered = carryOverYear(zes_.text, year_);
    zes_.items.clear();
    for (const Catalog::LineView line : catalog_.linesOfGroup(year_, kindOfItem(kindItem_), groups_.text))
      if (!line.zeCode.empty() && line.zeCode != " ") zes_.items.append(line.zeCode);
    zes_.keepOrTakeFirst(std::move(remembered));
    collectValues();
  }

  // The group line's codes (found ignoring letter case), then those of the
  // ZE's last line (compared exactly).
  void collectValues() {
    if (!collecting_) return;
    const Kind kind = kindOfItem(kindItem_);
    if (const auto groupLine = catalog_.firstLineOfGroup(year_, kind, groups_.text)) collect(groupLine->opsList);
    const Catalog::Lines zeLines = catalog_.linesOfZe(year_, kind, groups_.text, zes_.text);
    if (!zeLines.empty()) collect(zeLines[zeLines.size() - 1].opsList);
  }

  void collect(std::string_view opsList) {
    for (const std::string& code : splitOpsList(opsList))
      collected_->add(assignmentLine(code, year_, kindCode(kindItem_), groups_.text, zes_.text));
  }

  const Catalog& catalog_;
  std::string year_;
  int kindItem_ = 0;
  Box groups_, zes_;
  bool collecting_ = false;
  std::unique_ptr<AssignmentCollector> collected_ = std::make_unique<AssignmentCollector>();
};

}  // namespace

std::unique_ptr<AssignmentCollector> collectRebuiltAssignments(const Catalog& catalog, std::string_view currentYear) {
  Walk walk(catalog);
  walk.startIn(currentYear);
  return walk.walkEverything();
}

LinesKept linesKeptOfAssignmentFile(const std::vector<std::string_view>& rebuilt) {
  const FileText old = textOfAssignmentFile();
  const std::vector<std::string_view> oldLines = lineViews(old);
  return {linesKept(oldLines, rebuilt), oldLines.size()};
}

bool assignmentFileIsAsRebuilt(const Catalog& catalog, std::string_view currentYear) {
  const auto collected = collectRebuiltAssignments(catalog, currentYear);
  std::string rebuilt;
  for (const std::string_view line : collected->views()) rebuilt.append(line).append("\r\n");
  return static_cast<std::string_view>(textOfAssignmentFile()) == rebuilt;
}

std::vector<std::string> rebuiltAssignments(const Catalog& catalog, std::string_view currentYear) {
  return collectRebuiltAssignments(catalog, currentYear)->lines();
}

}  // namespace catalog
