#pragma once
// The whole catalog: the four tables and every index over them, loaded from
// the four files of the current directory in start-up order. The window runs
// the steps one by one with its own steps in between; the command line loads
// in one go. When a load is complete, every index is built, so no query
// pays for one.
//
// The tables are the catalog's own; everything else asks it:
//   yearsLastFirst, defaultYear      the years of the catalog lines
//   groupNames(year, kind)           each catalog line's group, in table order
//   linesOfYearAndKind(year, kind)   those lines' numbers
//   firstLineOfGroup(y, k, group)    the group's line (letter case ignored)
//   linesOfGroup(y, k, group)        its lines, compared exactly, in table order
//   linesOfZe(y, k, group, ze)       those of one ZE, compared exactly
//   footnoteText(y, k, mark)         a footnote's text
//   opsText(year, code)              an OPS code's text
//   fieldSearch(code, year)          what the OPS field's search finds
//   assignmentTarget(line)           a found assignment's group and ZE
//   assignments()                    lines by code: wildcards, longer codes
//   revision()                       changes whenever a table does
// Code in catalog/ that works on whole tables (the search, the check) reads
// them through the const accessors at the end.

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/assignment_index.h"
#include "catalog/key_index.h"
#include "catalog/keys.h"
#include "catalog/tables.h"

namespace catalog {

class Catalog {
 public:
  Catalog();
  Catalog(const Catalog&) = delete;
  Catalog& operator=(const Catalog&) = delete;

  // The loading steps, in start-up order. Each fails with the file's error
  // and leaves the tables as far as they were filled.
  void clear();
  void loadCatalogLines();
  void loadFootnotes();
  void loadOpsTexts();
  void loadAssignments();
  // Cuts the catalog lines into their columns and builds the indexes.
  void splitCatalog();

  // Every step from clear() to splitCatalog().
  void load();
  // The same from the four files' texts, in the order of kCatalogFiles.
  void loadTexts(const std::array<std::string_view, 4>& files);

  // Called now and then while a long step runs, at least every few dozen
  // milliseconds, so that a window can keep painting.
  void onProgress(std::function<void()> callback) { progress_ = std::move(callback); }

  // Whether the last load ran through all steps; a rebuild needs that.
  bool complete() const { return complete_; }

  // The year list: each distinct year of the catalog lines (letter case
  // ignored), walked from the last line to the first.
  std::vector<std::string> yearsLastFirst() const;
  // The year a search uses when none is named: the current year when the
  // catalog has it, else its newest year before it, else its oldest.
  std::string defaultYear(std::string_view currentYear) const;

  // A catalog line as the window reads it; the views live as long as the
  // load.
  struct LineView {
    std::string_view zeCode, description, amount, opsList, footnoteRefs;
  };
  // Catalog lines read as Value when they are visited: a group of millions
  // of lines costs no copy. Valid until the catalog changes.
  template <typename Value>
  class LinesAs {
   public:
    using Read = Value (*)(const Catalog&, int line);
    using iterator = IndexedIterator<LinesAs, Value>;
    LinesAs(const Catalog* catalog, Read read, EntryNumbers lines) : catalog_(catalog), read_(read), lines_(lines) {}
    iterator begin() const { return {this, 0}; }
    iterator end() const { return {this, size()}; }
    std::size_t size() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }
    Value operator[](std::size_t i) const { return read_(*catalog_, static_cast<int>(lines_[i])); }

   private:
    friend class Catalog;
    const Catalog* catalog_;
    Read read_;
    EntryNumbers lines_;
  };
  using Lines = LinesAs<LineView>;
  // The group of every catalog line whose group key begins with year;KK
  // (compared exactly), in table order, repeats included.
  LinesAs<std::string_view> groupNames(std::string_view year, Kind kind) const;
  // The first line whose group key is year;KK;group, letter case ignored.
  std::optional<LineView> firstLineOfGroup(std::string_view year, Kind kind, std::string_view group) const;
  // Every line whose group key is year;KK;group, compared exactly, in table
  // order.
  Lines linesOfGroup(std::string_view year, Kind kind, std::string_view group) const;
  // The lines of linesOfGroup whose ZE code is ze, compared exactly.
  Lines linesOfZe(std::string_view year, Kind kind, std::string_view group, std::string_view ze) const;
  // The descriptions of such lines, each read without the fields behind it.
  LinesAs<std::string_view> descriptionsOf(const Lines& lines) const { return {this, readDescription, lines.lines_}; }
  // The text of footnote mark in year and kind; nullopt when there is none.
  std::optional<std::string_view> footnoteText(std::string_view year, Kind kind, std::string_view mark) const;
  // The OPS text of a code in a year; nullopt when there is none.
  std::optional<std::string_view> opsText(std::string_view year, std::string_view code) const;

  // What the OPS field's search finds for a search code in a year: the
  // first line of its three keys for the federal kind, then for the
  // hospital-specific one; when none is found, the first line of the year
  // whose code covers the code by the wildcard rule, federal lines first,
  // in file order.
  struct AssignmentHit {
    int line;
    Kind kind;
  };
  std::optional<AssignmentHit> fieldSearch(std::string_view code, std::string_view year) const;
  AssignmentTarget assignmentTarget(int line) const;
  // A found assignment's code as its line writes it ("5-597.0*").
  std::string_view assignmentCode(int line) const;
  // The assignment lines by code, for the lookup and the field.
  const AssignmentIndex& assignments() const { return assignmentIndex_; }
  // Changes whenever a table changes, so that what refers to lines knows.
  unsigned long revision() const;

  // The catalog lines of a year and kind (group keys beginning with
  // year;KK, compared exactly), in table order.
  EntryNumbers linesOfYearAndKind(std::string_view year, Kind kind) const;
  // The catalog lines whose group key is key, compared exactly, in table
  // order.
  EntryNumbers linesWithGroupKey(std::string_view key) const;

  // The tables, read-only, for whole-table work in catalog/ and for tests.
  const catalog::CatalogTable& catalogTable() const { return catalogTable_; }
  const catalog::FootnoteTable& footnoteTable() const { return footnoteTable_; }
  const catalog::OpsTextTable& opsTextTable() const { return opsTextTable_; }
  const catalog::AssignmentTable& assignmentTable() const { return assignmentTable_; }

 private:
  void buildIndexes() const;
  LineView lineView(int line) const;
  static LineView readLine(const Catalog& catalog, int line) { return catalog.lineView(line); }
  static std::string_view readGroupName(const Catalog& catalog, int line);
  static std::string_view readDescription(const Catalog& catalog, int line) {
    return catalog.catalogTable_.Descriptions.get(line);
  }

  void progress() const {
    if (progress_) progress_();
  }

  catalog::CatalogTable catalogTable_;
  catalog::FootnoteTable footnoteTable_;
  catalog::OpsTextTable opsTextTable_;
  catalog::AssignmentTable assignmentTable_;

  std::function<void()> progress_;
  bool complete_ = false;
  ExactKeyIndex groupsByPrefix_;
  ExactKeyIndex linesByGroupKey_;
  ExactPairIndex linesByGroupAndZe_;
  AssignmentIndex assignmentIndex_;
};

}  // namespace catalog
