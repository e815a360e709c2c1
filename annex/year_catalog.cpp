#include "annex/year_catalog.h"

#include <algorithm>
#include <map>
#include <unordered_map>
#include <unordered_set>

#include "annex/text_joining.h"

namespace annex {
namespace {

// Codes or marks without repeats, in the order first met.
class OrderedSet {
 public:
  void add(const std::string& item) {
    if (seen_.insert(item).second) items_.push_back(item);
  }
  void add(const std::vector<std::string>& items) {
    for (const std::string& item : items) add(item);
  }
  const std::vector<std::string>& items() const { return items_; }
  bool contains(const std::string& item) const { return seen_.count(item) > 0; }

 private:
  std::vector<std::string> items_;
  std::unordered_set<std::string> seen_;
};

std::string joinedWith(const std::vector<std::string>& items, std::string_view separator) {
  std::string text;
  for (const std::string& item : items) {
    if (!text.empty()) text += separator;
    text += item;
  }
  return text;
}

std::string withoutBlanks(std::string_view text) {
  std::string out;
  for (const char c : text)
    if (c != ' ') out += c;
  return out;
}

std::string groupOf(const std::string& code) { return code.substr(0, code.find('.')); }

// The common leading part of descriptions, cut where ", " sets a part apart.
std::string commonLeadingPart(const std::vector<std::string>& descriptions) {
  std::vector<std::string> common;
  for (std::size_t d = 0; d < descriptions.size(); ++d) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    const std::string& text = descriptions[d];
    while (start <= text.size()) {
      std::size_t end = text.find(", ", start);
      if (end == std::string::npos) end = text.size();
      parts.push_back(text.substr(start, end - start));
      start = end + 2;
    }
    if (d == 0) {
      common = parts;
      continue;
    }
    std::size_t same = 0;
    while (same < common.size() && same < parts.size() && common[same] == parts[same]) ++same;
    common.resize(same);
  }
  return common.empty() ? (descriptions.empty() ? std::string() : descriptions.front()) : joinedWith(common, ", ");
}

std::string afterLastColon(const std::string& text) {
  const auto colon = text.rfind(": ");
  return colon == std::string::npos ? text : text.substr(colon + 2);
}

class YearBuilder {
 public:
  YearBuilder(const Annexes& annexes, std::string_view year, ImportReport& report)
      : annexes_(annexes), year_(year), report_(report) {
    for (const auto* list : {&annexes.federalList, &annexes.hospitalList})
      for (const ListedZe& entry : *list) joiner_.learn(entry.description);
    for (const auto* definitions : {&annexes.federal, &annexes.hospital}) {
      for (const DefinedZe& ze : definitions->zes) {
        joiner_.learn(ze.description);
        learnRows(ze.rows);
        for (const Zed& zed : ze.zeds) {
          joiner_.learn(zed.ownText);
          learnRows(zed.rows);
        }
      }
      for (const Footnote& note : definitions->footnotes) joiner_.learn(note.text);
    }
  }

  YearLines build() {
    federalListed_ = indexed(annexes_.federalList, "Anlage 2");
    hospitalListed_ = indexed(annexes_.hospitalList, "Anlage 4");
    buildFederal();
    report_.federalLines = lines_.catalog.size();
    buildHospital();
    report_.hospitalLines = lines_.catalog.size() - report_.federalLines;
    for (const auto* definitions : {&annexes_.federal, &annexes_.hospital})
      for (const DefinedZe& ze : definitions->zes) {
        addOpsTexts(ze.rows, ze.code);
        for (const Zed& zed : ze.zeds) addOpsTexts(zed.rows, zed.code);
      }
    addFootnotes(annexes_.federal.footnotes, "BE");
    report_.federalFootnotes = lines_.footnotes.size();
    addFootnotes(annexes_.hospital.footnotes, "KH");
    report_.hospitalFootnotes = lines_.footnotes.size() - report_.federalFootnotes;
    reportUnused(annexes_.federalList, annexes_.federal, "Anlage 2", "Anlage 5");
    reportUnused(annexes_.hospitalList, annexes_.hospital, "Anlage 4", "Anlage 6");
    report_.joins = joiner_.joins();
    return std::move(lines_);
  }

 private:
  struct Listed {
    std::string description;
    std::string amount;
  };

  void learnRows(const std::vector<OpsRow>& rows) {
    for (const OpsRow& row : rows) {
      joiner_.learn(row.heading);
      joiner_.learn(row.text);
    }
  }

  std::unordered_map<std::string, Listed> indexed(const std::vector<ListedZe>& list, std::string_view annex) {
    std::unordered_map<std::string, Listed> byCode;
    for (const ListedZe& entry : list)
      byCode.emplace(entry.code, Listed{joiner_.join(entry.description, std::string(annex) + ", " + entry.code),
                                        entry.amount});
    return byCode;
  }

  // The description the list gives, else the table's; a difference beyond
  // blanks is reported.
  std::string descriptionOf(const std::string& code, const PrintedLines& printed,
                            const std::unordered_map<std::string, Listed>& listed, std::string_view listName,
                            std::string_view tableName) {
    const std::string fromTable = joiner_.join(printed, std::string(tableName) + ", " + code);
    const auto entry = listed.find(code);
    if (entry == listed.end()) {
      if (!fromTable.empty())
        report_.disagreements.push_back(code + ": nicht in " + std::string(listName) + ", Bezeichnung aus " +
                                        std::string(tableName));
      return fromTable;
    }
    if (!fromTable.empty() && withoutBlanks(fromTable) != withoutBlanks(entry->second.description))
      report_.disagreements.push_back(code + ": Bezeichnung in " + std::string(listName) + " \x84" +
                                      entry->second.description + "\x93, in " + std::string(tableName) + " \x84" +
                                      fromTable + "\x93");
    return entry->second.description;
  }

  // "siehe Anlage 2" takes the list's amount; a printed amount that the
  // list contradicts is reported and kept.
  std::string amountOf(const std::string& code, const std::string& printed) {
    const auto entry = federalListed_.find(code);
    const std::string listed = entry == federalListed_.end() || refersToAnnex(entry->second.amount) ? std::string()
                                                                                                     : entry->second.amount;
    if (printed.empty() || refersToAnnex(printed)) {
      if (refersToAnnex(printed) && listed.empty())
        report_.disagreements.push_back(code + ": Anlage 5 verweist auf Anlage 2, dort kein Betrag");
      return listed;
    }
    if (!listed.empty() && listed != printed)
      report_.disagreements.push_back(code + ": Betrag in Anlage 2 " + listed + ", in Anlage 5 " + printed);
    return printed;
  }

  void addCatalogLine(std::string_view kind, const std::string& group, const std::string& ze,
                      const std::string& description, const std::string& amount, const std::vector<std::string>& codes,
                      const std::vector<std::string>& marks) {
    lines_.catalog.push_back(year_ + ";" + std::string(kind) + ";" + group + ";" + ze + ";" + description + ";" +
                             amount + ";" + joinedWith(codes, "/") + ";" + joinedWith(marks, ",") + ";");
  }

  static void addRows(const std::vector<OpsRow>& rows, OrderedSet& codes, OrderedSet& marks) {
    for (const OpsRow& row : rows) {
      codes.add(row.code);
      marks.add(row.marks);
    }
  }

  std::string rowText(const OpsRow& row, const std::string& where) {
    const std::string heading = joiner_.join(row.heading, where);
    const std::string text = joiner_.join(row.text, where);
    if (heading.empty()) return text;
    return text.empty() ? heading : heading + ": " + text;
  }

  void buildFederal() {
    const std::vector<DefinedZe>& zes = annexes_.federal.zes;
    for (std::size_t i = 0; i < zes.size();) {
      const std::string group = groupOf(zes[i].code);
      if (zes[i].code == group) {
        addFederalZe(zes[i]);
        ++i;
        continue;
      }
      std::size_t end = i;
      while (end < zes.size() && groupOf(zes[end].code) == group && zes[end].code != group) ++end;
      addGroupOfZes(zes, i, end, group);
      i = end;
    }
  }

  // A ZE whose code is its group's: with ZEDs, a group line and a line per
  // ZED; without, a group line and one ZE line.
  void addFederalZe(const DefinedZe& ze) {
    const std::string description = descriptionOf(ze.code, ze.description, federalListed_, "Anlage 2", "Anlage 5");
    OrderedSet codes, marks;
    marks.add(ze.marks);
    addRows(ze.rows, codes, marks);
    addCatalogLine("BE", ze.code, "", description, "", codes.items(), marks.items());
    if (ze.zeds.empty()) {
      addCatalogLine("BE", ze.code, ze.code, description, amountOf(ze.code, ze.amount), codes.items(), marks.items());
      return;
    }
    for (const Zed& zed : ze.zeds) {
      OrderedSet zedCodes = codes, zedMarks = marks;
      zedMarks.add(zed.marks);
      addRows(zed.rows, zedCodes, zedMarks);
      const std::string source =
          zed.rows.empty() ? joiner_.join(zed.ownText, "Anlage 5, " + zed.code) : rowText(zed.rows.front(), "Anlage 5, " + zed.code);
      const std::string zedDescription = description + ", " + afterLastColon(source);
      report_.zedDescriptions.push_back(zed.code + ": " + zedDescription);
      addCatalogLine("BE", ze.code, zed.code, zedDescription, amountOf(zed.code, zed.amount), zedCodes.items(),
                     zedMarks.items());
    }
  }

  // ZEs printed as rows of their own under one group (ZE01.01, ZE01.02):
  // the group line takes what all of them share.
  void addGroupOfZes(const std::vector<DefinedZe>& zes, std::size_t begin, std::size_t end, const std::string& group) {
    std::vector<std::string> descriptions;
    std::vector<OrderedSet> codes(end - begin), marks(end - begin);
    for (std::size_t i = begin; i < end; ++i) {
      descriptions.push_back(descriptionOf(zes[i].code, zes[i].description, federalListed_, "Anlage 2", "Anlage 5"));
      marks[i - begin].add(zes[i].marks);
      addRows(zes[i].rows, codes[i - begin], marks[i - begin]);
      for (const Zed& zed : zes[i].zeds) {
        marks[i - begin].add(zed.marks);
        addRows(zed.rows, codes[i - begin], marks[i - begin]);
      }
    }
    const auto shared = [&](const std::vector<OrderedSet>& sets) {
      std::vector<std::string> common;
      for (const std::string& item : sets.front().items())
        if (std::all_of(sets.begin(), sets.end(), [&item](const OrderedSet& set) { return set.contains(item); }))
          common.push_back(item);
      return common;
    };
    const auto listedGroup = federalListed_.find(group);
    const std::string groupDescription =
        listedGroup != federalListed_.end() ? listedGroup->second.description : commonLeadingPart(descriptions);
    report_.inferredGroups.push_back(group + ": " + groupDescription);
    addCatalogLine("BE", group, "", groupDescription, "", shared(codes), shared(marks));
    for (std::size_t i = begin; i < end; ++i)
      addCatalogLine("BE", group, zes[i].code, descriptions[i - begin], amountOf(zes[i].code, zes[i].amount),
                     codes[i - begin].items(), marks[i - begin].items());
  }

  void buildHospital() {
    for (const DefinedZe& ze : annexes_.hospital.zes) {
      const std::string description = descriptionOf(ze.code, ze.description, hospitalListed_, "Anlage 4", "Anlage 6");
      OrderedSet codes, marks;
      marks.add(ze.marks);
      addRows(ze.rows, codes, marks);
      for (const Zed& zed : ze.zeds) {
        marks.add(zed.marks);
        addRows(zed.rows, codes, marks);
      }
      addCatalogLine("KH", ze.code, "", description, "", codes.items(), marks.items());
      addCatalogLine("KH", ze.code, ze.code, description, "", codes.items(), marks.items());
    }
  }

  void addOpsTexts(const std::vector<OpsRow>& rows, const std::string& where) {
    for (const OpsRow& row : rows) {
      const std::string text = rowText(row, where);
      const auto [known, added] = opsTexts_.emplace(row.code, text);
      if (added) {
        lines_.opsTexts.push_back(year_ + ";" + row.code + ";" + text);
      } else if (known->second != text) {
        report_.disagreements.push_back(row.code + ": zweimal gedruckt mit verschiedenem Text (" + where +
                                        "), der erste gilt: \x84" + known->second + "\x93");
      }
    }
  }

  void addFootnotes(const std::vector<Footnote>& notes, std::string_view kind) {
    for (const Footnote& note : notes)
      lines_.footnotes.push_back(year_ + ";" + std::string(kind) + ";" + note.mark + ";" +
                                 joiner_.join(note.text, "Fu\xDFnote " + note.mark));
  }

  void reportUnused(const std::vector<ListedZe>& list, const Definitions& definitions, std::string_view listName,
                    std::string_view tableName) {
    std::unordered_set<std::string> defined;
    for (const DefinedZe& ze : definitions.zes) {
      defined.insert(ze.code);
      defined.insert(groupOf(ze.code));
    }
    for (const ListedZe& entry : list)
      if (!defined.count(entry.code))
        report_.disagreements.push_back(entry.code + ": in " + std::string(listName) + ", nicht in " +
                                        std::string(tableName));
  }

  const Annexes& annexes_;
  std::string year_;
  ImportReport& report_;
  TextJoiner joiner_;
  std::unordered_map<std::string, Listed> federalListed_, hospitalListed_;
  std::unordered_map<std::string, std::string> opsTexts_;
  YearLines lines_;
};

}  // namespace

YearLines yearLinesOf(const Annexes& annexes, std::string_view year, ImportReport& report) {
  return YearBuilder(annexes, year, report).build();
}

}  // namespace annex
