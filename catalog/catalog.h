#pragma once
// The whole catalog: the four tables and every index over them, loaded from
// the four files of the current directory in start-up order. The window runs
// the steps one by one with its own steps in between; the command line loads
// in one go. When a load is complete, every index is built, so no query
// pays for one.

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/assignment_index.h"
#include "catalog/key_index.h"
#include "catalog/tables.h"

namespace catalog {

class Catalog {
 public:
  Catalog();
  Catalog(const Catalog&) = delete;
  Catalog& operator=(const Catalog&) = delete;

  catalog::CatalogTable CatalogTable;
  catalog::FootnoteTable FootnoteTable;
  catalog::OpsTextTable OpsTextTable;
  catalog::AssignmentTable AssignmentTable;

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

  // Called now and then while a long step runs, at least every few dozen
  // milliseconds, so that a window can keep painting.
  void onProgress(std::function<void()> callback) { progress_ = std::move(callback); }

  // Whether the last load ran through all steps; a rebuild needs that.
  bool complete() const { return complete_; }

  // The year list: each distinct year of the catalog lines (letter case
  // ignored), walked from the last line to the first.
  std::vector<std::string> yearsLastFirst() const;

  // The catalog lines whose group key begins with prefix (its first seven
  // characters, yyyy;KK), and those whose group key is key, compared exactly;
  // each in table order.
  std::span<const std::uint32_t> linesWithGroupPrefix(std::string_view prefix) const;
  std::span<const std::uint32_t> linesWithGroupKey(std::string_view key) const;

  // The year a search uses when none is named: the current year when the
  // catalog has it, else its newest year before it, else its oldest.
  std::string defaultYear(std::string_view currentYear) const;

  // What the OPS field's search finds for a search code in a year: the
  // first line of its three keys for "BE", then for "KH"; when none is
  // found, the first line of the year whose code covers the code by the
  // wildcard rule, "BE" lines before "KH", in file order.
  struct AssignmentHit {
    int line;
    Kind kind;
  };
  std::optional<AssignmentHit> fieldSearch(std::string_view code, std::string_view year) const;
  // The assignment lines by code, for the lookup and the field.
  const AssignmentIndex& assignments() const { return assignmentIndex_; }

 private:
  void buildIndexes() const;

  void progress() const {
    if (progress_) progress_();
  }

  std::function<void()> progress_;
  bool complete_ = false;
  LoadedFile catalogFile_;
  unsigned long catalogRevision_ = 0;
  ExactKeyIndex groupsByPrefix_;
  ExactKeyIndex linesByGroupKey_;
  AssignmentIndex assignmentIndex_;
};

}  // namespace catalog
