#pragma once
// The in-memory tables: parallel columns, entry i of each belonging to line i
// of the table's file. Each table's columns are pieces of the file's buffer.

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "catalog/column.h"
#include "catalog/file_names.h"

namespace catalog {


// The field columns are cut from CatalogLines when they are read (see
// splitCatalog): a table is not copied, its columns would follow the
// original's lines.
struct CatalogTable {
  CatalogTable() = default;
  CatalogTable(const CatalogTable&) = delete;
  CatalogTable& operator=(const CatalogTable&) = delete;

  Column CatalogLines;  // ListBox1
  Column GroupKeys;     // ListBox2
  Column ZeCodes;       // ListBox3
  Column Descriptions;  // ListBox4
  Column Amounts;       // ListBox5
  Column OpsLists;      // ListBox6
  Column FootnoteRefs;  // ListBox7
};

struct FootnoteTable {
  Column FootnoteKeys;   // ListBox14
  Column FootnoteTexts;  // ListBox15
};

struct OpsTextTable {
  Column OpsKeys;   // ListBox16
  Column OpsTexts;  // ListBox17
};

struct AssignmentTable {
  Column AssignmentKeys;     // ListBox12
  Column AssignmentTargets;  // ListBox13
};

// A file read whole: its bytes and its lines as pieces of them.
struct LoadedFile {
  std::shared_ptr<const FileText> text;
  std::vector<Piece> lines;
};

// Reading each file. The footnote file is looked up under its UTF-8 name
// first and then under its Windows-1252 one; errors name it in Windows-1252.
LoadedFile loadCatalogFile(const std::string& name, const std::function<void()>& progress = {});
// The same file's bytes, uncut.
FileText readCatalogFile(const std::string& name, const std::function<void()>& progress = {});
// Fails as readCatalogFile would when the file cannot be opened or read.
void ensureCatalogFileReadable(const std::string& name);
// The name a catalog file has in the folder, for writing it: the footnote
// file is read under its UTF-8 name first, so a new one gets that name.
std::string catalogFilePath(const std::string& name);

// Cutting loaded lines into the columns, replacing what they held.
// The lines go to CatalogLines, which keeps them.
void fillCatalogLines(CatalogTable& table, LoadedFile file);
// Makes the six field columns read their entries from CatalogLines: they
// follow its lines, as they are now and as they change, and keep nothing
// per line.
void splitCatalog(CatalogTable& table);
void fillFootnotes(FootnoteTable& table, const LoadedFile& file);
void fillOpsTexts(OpsTextTable& table, const LoadedFile& file, const std::function<void()>& progress = {});
void fillAssignments(AssignmentTable& table, const LoadedFile& file, const std::function<void()>& progress = {});

}  // namespace catalog
