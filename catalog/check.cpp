#include "catalog/check.h"

#include <algorithm>
#include <map>
#include <set>
#include <unordered_map>

#include "catalog/cp1252.h"
#include "catalog/german_numbers.h"
#include "catalog/fields.h"
#include "catalog/indexed_iterator.h"
#include "catalog/keys.h"
#include "catalog/lines.h"
#include "catalog/ops_code.h"
#include "catalog/pending_findings.h"
#include "catalog/tables.h"

namespace catalog {
namespace {

const auto& kNames = kCatalogFiles;
enum FileIndex { kCatalog, kFootnotes, kOpsTexts, kAssignments };

// A quoted piece of a line; a long one is cut, so that a line of 50 MB
// makes a finding of a line, not of 50 MB.
std::string quoted(std::string_view text) {
  constexpr std::size_t kQuoted = 200;
  if (text.size() <= kQuoted) return "\"" + std::string(text) + "\"";
  return "\"" + std::string(text.substr(0, kQuoted)) + "\x85\"";  // "…"
}

bool isFourDigits(std::string_view text) {
  return text.size() == 4 && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Whether the line reads as UTF-8 rather than Windows-1252: it holds at least
// one multi-byte UTF-8 sequence and no byte that UTF-8 would reject.
bool looksLikeUtf8(std::string_view line) {
  bool multiByte = false;
  for (std::size_t i = 0; i < line.size();) {
    const auto c = static_cast<unsigned char>(line[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    const std::size_t length = c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
    if (length == 0 || i + length > line.size()) return false;
    for (std::size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(line[i + k]) & 0xC0) != 0x80) return false;
    multiByte = true;
    i += length;
  }
  return multiByte;
}

// A German amount: digits with an optional decimal comma, thousands points
// allowed ("1.234,56", "968,59", "12").
bool isGermanAmount(std::string_view amount) {
  std::string_view whole = amount;
  if (const auto comma = amount.find(','); comma != std::string_view::npos) {
    const std::string_view cents = amount.substr(comma + 1);
    if (cents.empty() || !std::all_of(cents.begin(), cents.end(), [](char c) { return c >= '0' && c <= '9'; }))
      return false;
    whole = amount.substr(0, comma);
  }
  if (whole.empty()) return false;
  if (whole.find('.') == std::string_view::npos)
    return std::all_of(whole.begin(), whole.end(), [](char c) { return c >= '0' && c <= '9'; });
  // Groups of three after the first.
  std::size_t start = 0;
  bool first = true;
  for (;;) {
    const auto point = whole.find('.', start);
    const std::string_view group = whole.substr(start, point == std::string_view::npos ? std::string_view::npos : point - start);
    if (group.empty() || group.size() > 3 || (!first && group.size() != 3)) return false;
    if (!std::all_of(group.begin(), group.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
    if (point == std::string_view::npos) return true;
    first = false;
    start = point + 1;
  }
}

// Sorted views rather than a multiset of copies: a file of millions of
// lines is compared without a second copy of it.
LineDifference differenceOfViews(std::vector<std::string_view> before, std::vector<std::string_view> after) {
  std::sort(before.begin(), before.end());
  std::sort(after.begin(), after.end());
  std::vector<std::string_view> added, dropped;
  std::set_difference(after.begin(), after.end(), before.begin(), before.end(), std::back_inserter(added));
  std::set_difference(before.begin(), before.end(), after.begin(), after.end(), std::back_inserter(dropped));
  return {{added.begin(), added.end()}, {dropped.begin(), dropped.end()}};
}

// A file's lines as pieces of its text: a check of a huge file holds no
// second copy of it, and eight bytes a line.
class TextLines {
 public:
  using iterator = IndexedIterator<TextLines, std::string_view>;

  TextLines() = default;
  explicit TextLines(std::string_view text) : text_(text), pieces_(linePieces(text)) {}
  std::size_t size() const { return pieces_.size(); }
  bool empty() const { return pieces_.empty(); }
  std::string_view operator[](std::size_t i) const { return text_.substr(pieces_[i].offset, pieces_[i].length); }
  iterator begin() const { return {this, 0}; }
  iterator end() const { return {this, pieces_.size()}; }

 private:
  std::string_view text_;
  std::vector<Piece> pieces_;
};

class Checker {
 public:
  explicit Checker(const CheckInput& input) : input_(input) {
    for (std::size_t f = 0; f < 4; ++f) lines_[f] = TextLines(input.files[f]);
  }

  void run(const std::function<void(const Finding&)>& report) {
    report_ = &report;
    indexTexts();
    checkText(kCatalog);
    checkCatalogLines();
    checkYears(kCatalog);
    reportFile(kCatalog);
    checkText(kFootnotes);
    checkFootnoteLines();
    checkYears(kFootnotes);
    reportFile(kFootnotes);
    checkText(kOpsTexts);
    checkOpsTextLines();
    checkYears(kOpsTexts);
    reportFile(kOpsTexts);
    checkText(kAssignments);
    checkAssignmentLines();
    checkRebuild();
    reportFile(kAssignments);
  }

 private:
  // Looks before it inserts: most lines repeat a year or group already seen,
  // and an insert would make a node first.
  static void addOnce(std::set<std::string, std::less<>>& set, std::string_view key) {
    if (!set.contains(key)) set.emplace(key);
  }

  void add(std::size_t file, int line, Severity severity, const std::string& message) {
    pending_[file].add(line, severity, message);
  }

  void reportFile(std::size_t file) {
    pending_[file].report([this, file](int line, int lastLine, Severity severity, std::string_view message) {
      (*report_)(Finding{kNames[file], line, severity, std::string(message), lastLine});
    });
  }

  void checkText(std::size_t f) {
    const std::string_view bytes = input_.files[f];
    if (bytes.starts_with("\xEF\xBB\xBF"))
      add(f, 1, Severity::Error, "UTF-8-Byte-Order-Mark am Dateianfang; die Datei muss Windows-1252 sein");
    if (const auto nul = bytes.find('\0'); nul != std::string_view::npos) {
      const int line = static_cast<int>(linePieces(bytes.substr(0, nul + 1)).size());
      const std::size_t fileSize = std::max(input_.fileSizes[f], bytes.size());
      add(f, std::max(line, 1), Severity::Error,
          "NUL-Byte; der Rest der Datei (" + std::to_string(fileSize - nul) + " Bytes) wird nicht gelesen");
    }
    for (std::size_t i = 0; i < lines_[f].size(); ++i)
      if (looksLikeUtf8(lines_[f][i]))
        add(f, static_cast<int>(i + 1), Severity::Error, "Zeile ist UTF-8-kodiert, nicht Windows-1252");
  }

  void indexTexts() {
    opsKeys_.reserve(lines_[kOpsTexts].size());
    for (const std::string_view line : lines_[kOpsTexts]) {
      const KeyedText cut = cutOpsLine(line);
      opsKeys_.push_back(cp1252::folded(cut.key));
      addOnce(years_[kOpsTexts], yearOf(line));
    }
    std::sort(opsKeys_.begin(), opsKeys_.end());
    for (std::size_t i = 0; i < lines_[kFootnotes].size(); ++i) {
      const KeyedText cut = cutFootnoteLine(lines_[kFootnotes][i]);
      footnoteLines_.emplace(cp1252::folded(cut.key), FootnoteLine{static_cast<int>(i + 1), std::string(cut.key)});
      addOnce(years_[kFootnotes], yearOf(lines_[kFootnotes][i]));
    }
  }

  void checkCatalogLines() {
    const auto& lines = lines_[kCatalog];
    if (lines.empty()) add(kCatalog, 0, Severity::Warning, "Der Katalog ist leer");
    std::set<std::string, std::less<>> groupLines;
    for (const std::string_view line : lines) {
      const CatalogFieldViews fields = catalogFieldsOf(line);
      if (fields.zeCode.empty()) addOnce(groupLines, fields.groupKey);
    }
    std::unordered_map<std::string_view, int> seen;
    std::set<std::string> referenced;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const int number = static_cast<int>(i + 1);
      const std::string_view line = lines[i];
      const auto [first, isNew] = seen.try_emplace(line, number);
      if (!isNew) add(kCatalog, number, Severity::Warning, "Zeile wiederholt Zeile " + std::to_string(first->second));
      // Up to the OPS codes every field must end with ";"; footnote marks
      // without their final ";" are read as none.
      const auto separators = std::count(line.begin(), line.end(), ';');
      if (separators < 7) {
        add(kCatalog, number, Severity::Error, "Zu wenige Felder: eine Katalogzeile braucht 8 mit \";\" abgeschlossene Felder");
        continue;
      }
      if (separators == 7 && line.back() != ';')
        add(kCatalog, number, Severity::Warning,
            "Fu\xDFnotenzeichen " + quoted(line.substr(line.rfind(';') + 1)) + " ohne abschlie\xDF" "endes \";\" werden nicht gelesen");
      const GroupKeyFields lineKey = groupKeyFields(line);
      checkYearAndKind(kCatalog, number, lineKey.year, lineKey.kind);
      addOnce(years_[kCatalog], lineKey.year);
      const CatalogFieldViews fields = catalogFieldsOf(line);
      const std::string year(lineKey.year), kind(lineKey.kind);
      if (!fields.zeCode.empty() && fields.zeCode != " " && !groupLines.contains(fields.groupKey))
        add(kCatalog, number, Severity::Error,
            "ZE " + quoted(fields.zeCode) + ": keine Gruppenzeile f\xFCr " + quoted(fields.groupKey));
      for (const std::string& code : splitOpsList(fields.opsList)) {
        if (code.empty()) continue;
        // The "*" footnote explains wildcard codes; a "*" in a code uses it.
        if (code.find('*') != std::string::npos) referenced.insert(cp1252::folded(joinKey({year, kind, "*"})));
        if (!ops_code::fitsLayout(code))
          add(kCatalog, number, Severity::Warning, "OPS-Kode " + quoted(code) + " passt nicht in das Feld \"9-99a.cc\"");
        if (!hasOpsText(year, code))
          add(kCatalog, number, Severity::Warning,
              "OPS-Kode " + quoted(code) + " hat keinen Text f\xFCr " + year + " in OPS-Kodes.csv");
      }
      for (const std::string& mark : footnoteMarks(fields.footnoteRefs)) {
        if (mark.empty()) continue;
        const std::string key = cp1252::folded(joinKey({year, kind, mark}));
        if (footnoteLines_.contains(key)) {
          referenced.insert(key);
        } else {
          add(kCatalog, number, Severity::Warning,
              "Fu\xDFnote " + quoted(mark) + " fehlt f\xFCr " + year + ";" + kind + " in Fu\xDFnoten.txt");
        }
      }
      if (!fields.amount.empty() && !isGermanAmount(fields.amount))
        add(kCatalog, number, Severity::Warning, "Betrag " + quoted(fields.amount) + " ist keine deutsche Dezimalzahl");
    }
    for (const auto& [folded, line] : footnoteLines_)
      if (!referenced.contains(folded))
        add(kFootnotes, line.number, Severity::Info, "Fu\xDFnote " + quoted(line.key) + " wird im Katalog nicht verwendet");
  }

  // A wildcard code has a text when some code it covers has one.
  bool hasOpsText(const std::string& year, const std::string& code) const {
    if (!ops_code::isWildcard(code))
      return std::binary_search(opsKeys_.begin(), opsKeys_.end(), cp1252::folded(joinKey({year, code})));
    const std::string yearPart = cp1252::folded(joinKey({year, ""}));
    const std::string prefix = yearPart + cp1252::folded(ops_code::fixedPart(code));
    for (auto it = std::lower_bound(opsKeys_.begin(), opsKeys_.end(), prefix);
         it != opsKeys_.end() && it->starts_with(prefix); ++it)
      if (ops_code::covers(code, std::string_view(*it).substr(yearPart.size()))) return true;
    return false;
  }

  void checkYearAndKind(std::size_t f, int number, std::string_view year, std::string_view kind) {
    if (!isFourDigits(year)) add(f, number, Severity::Error, "Jahr " + quoted(year) + " hat nicht vier Ziffern");
    if (!isKindCode(kind))
      add(f, number, Severity::Error,
          concat({"Art ", quoted(kind), " ist weder ", kindCodeOf(Kind::Federal), " noch ", kindCodeOf(Kind::Hospital)}));
  }

  void checkFootnoteLines() {
    const auto& lines = lines_[kFootnotes];
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const int number = static_cast<int>(i + 1);
      if (!hasYearKindPrefix(lines[i]) || lines[i].size() < 10) {
        add(kFootnotes, number, Severity::Error, "Zu wenige Felder: erwartet Jahr;Art;Zeichen;Text");
        continue;
      }
      const GroupKeyFields lineKey = groupKeyFields(lines[i]);
      checkYearAndKind(kFootnotes, number, lineKey.year, lineKey.kind);
    }
  }

  void checkOpsTextLines() {
    const auto& lines = lines_[kOpsTexts];
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const int number = static_cast<int>(i + 1);
      if (!hasYearPrefix(lines[i]) || lines[i].find(';', 5) == std::string::npos) {
        add(kOpsTexts, number, Severity::Error, "Zu wenige Felder: erwartet Jahr;Kode;Text");
        continue;
      }
      if (!isFourDigits(yearOf(lines[i])))
        add(kOpsTexts, number, Severity::Error, "Jahr " + quoted(yearOf(lines[i])) + " hat nicht vier Ziffern");
    }
  }

  void checkAssignmentLines() {
    const auto& lines = lines_[kAssignments];
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const int number = static_cast<int>(i + 1);
      const AssignmentLineFields fields = assignmentLineFields(lines[i]);
      if (!fields.complete) {
        add(kAssignments, number, Severity::Error, "Zu wenige Felder: erwartet Kode;Jahr;Art;Gruppe;ZE");
        continue;
      }
      checkYearAndKind(kAssignments, number, fields.key.year, fields.key.kind);
      addOnce(years_[kAssignments], fields.key.year);
    }
  }

  void checkRebuild() {
    const auto& now = lines_[kAssignments];
    const std::vector<std::string> rebuilt = input_.rebuiltAssignments ? input_.rebuiltAssignments()
                                                                       : std::vector<std::string>{};
    const auto [added, dropped] = differenceOfViews({now.begin(), now.end()}, {rebuilt.begin(), rebuilt.end()});
    if (added.empty() && dropped.empty()) {
      if (!std::equal(now.begin(), now.end(), rebuilt.begin(), rebuilt.end())) add(kAssignments, 0, Severity::Error, "Zeilen in anderer Reihenfolge, als OPS-Match sie schreibt");
      return;
    }
    const auto firstFew = [](const std::vector<std::string>& lines) {
      std::string text;
      for (std::size_t i = 0; i < lines.size() && i < 3; ++i) text += (i ? ", " : "") + quoted(lines[i]);
      return text + (lines.size() > 3 ? ", \x85" : "");
    };
    std::string message = "weicht von OPS-Match ab: " + std::to_string(added.size()) + " Zeilen k\xE4men hinzu, " +
                          std::to_string(dropped.size()) + " entfielen";
    if (!added.empty()) message += "; neu: " + firstFew(added);
    if (!dropped.empty()) message += "; entfallend: " + firstFew(dropped);
    message += " (tarvelo --rebuild schreibt sie neu)";
    add(kAssignments, 0, Severity::Error, message);
  }

  // The years of the three year files are all known once the catalog's
  // lines are checked.
  void checkYears(std::size_t f) {
    std::set<std::string> all;
    for (std::size_t g : {kCatalog, kFootnotes, kOpsTexts}) all.insert(years_[g].begin(), years_[g].end());
    for (const std::string& year : all) {
      if (!isFourDigits(year)) continue;
      if (!years_[f].contains(year) && !(f == kFootnotes && years_[f].empty()))
        add(f, 0, Severity::Info, "Jahr " + year + " fehlt hier, steht aber in einer anderen Datei");
    }
  }

  const CheckInput& input_;
  std::array<TextLines, 4> lines_;
  std::array<std::set<std::string, std::less<>>, 4> years_;
  std::vector<std::string> opsKeys_;  // folded, sorted: one short string a line, no tree node
  struct FootnoteLine {
    int number;       // the first line with the key
    std::string key;  // as the file writes it
  };
  std::map<std::string, FootnoteLine> footnoteLines_;  // by folded key
  std::array<PendingFindings, 4> pending_;
  const std::function<void(const Finding&)>* report_ = nullptr;
};

}  // namespace

LineDifference differenceOf(const std::vector<std::string>& before, const std::vector<std::string>& after) {
  return differenceOfViews({before.begin(), before.end()}, {after.begin(), after.end()});
}

std::size_t linesKept(const std::vector<std::string_view>& before, const std::vector<std::string_view>& after) {
  // A rebuild of an unchanged catalog writes the same lines in the same order.
  if (std::equal(before.begin(), before.end(), after.begin(), after.end())) return before.size();
  std::unordered_map<std::string_view, std::size_t> unmatched;  // how often after still has a line
  unmatched.reserve(after.size());
  for (const std::string_view line : after) ++unmatched[line];
  std::size_t kept = 0;
  for (const std::string_view line : before) {
    const auto found = unmatched.find(line);
    if (found == unmatched.end() || found->second == 0) continue;
    --found->second;
    ++kept;
  }
  return kept;
}

void checkCatalog(const CheckInput& input, const std::function<void(const Finding&)>& report) {
  Checker(input).run(report);
}

std::vector<Finding> checkCatalog(const CheckInput& input) {
  std::vector<Finding> findings;
  checkCatalog(input, [&findings](const Finding& finding) { findings.push_back(finding); });
  return findings;
}

std::string formatFinding(const Finding& finding) {
  static constexpr std::string_view kSeverity[] = {"Fehler", "Warnung", "Hinweis"};
  const std::string_view severity = kSeverity[static_cast<int>(finding.severity)];
  std::string text;
  text.reserve(finding.file.size() + 16 + severity.size() + finding.message.size());
  text += finding.file;
  text += ':';
  if (finding.lines() > 1) {
    text += "Zeilen " + std::to_string(finding.line) + '-' + std::to_string(finding.lastLine) + ':';
  } else if (finding.line > 0) {
    text += std::to_string(finding.line);
    text += ':';
  }
  text += ' ';
  text += severity;
  text += ": ";
  text += finding.message;
  if (finding.lines() > 1) text += " (" + withThousandPoints(std::to_string(finding.lines())) + " mal)";
  return text;
}

std::string summarize(const std::vector<Finding>& findings) {
  std::array<std::size_t, 3> counts{};
  for (const Finding& finding : findings) counts[static_cast<std::size_t>(finding.severity)] += finding.lines();
  return summarize(counts);
}

std::string summarize(const std::array<std::size_t, 3>& counts) {
  const auto [errors, warnings, infos] = counts;
  return std::to_string(errors) + " Fehler, " + std::to_string(warnings) + (warnings == 1 ? " Warnung, " : " Warnungen, ") +
         std::to_string(infos) + (infos == 1 ? " Hinweis" : " Hinweise");
}

}  // namespace catalog
