#pragma once
// The whole catalog: the four tables, loaded from the four files of the
// current directory in start-up order. The window runs the steps one by one
// with its own steps in between; the command line loads in one go.

#include <string>
#include <vector>

#include "catalog/tables.h"

namespace catalog {

class Catalog {
 public:
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
  void splitCatalog();

  // Every step from clear() to splitCatalog().
  void load();

  // Whether the last load ran through all steps; a rebuild needs that.
  bool complete() const { return complete_; }

  // The year list: each distinct year of the catalog lines (letter case
  // ignored), walked from the last line to the first.
  std::vector<std::string> yearsLastFirst() const;

 private:
  bool complete_ = false;
};

}  // namespace catalog
