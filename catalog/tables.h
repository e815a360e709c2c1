#pragma once
// The in-memory tables: parallel columns, entry i of each belonging to line i
// of the table's file.

#include <string>
#include <vector>

#include "catalog/column.h"

namespace catalog {

inline constexpr char kCatalogFile[] = "ZE-Katalog.csv";
inline constexpr char kFootnoteFile[] = "Fu\xDFnoten.txt";
inline constexpr char kOpsTextFile[] = "OPS-Kodes.csv";
inline constexpr char kAssignmentFile[] = "OPS-Zuordnung.csv";

struct CatalogTable {
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

// Reading each file. The footnote file is looked up under its UTF-8 name
// first and then under its Windows-1252 one; errors name it in Windows-1252.
std::vector<std::string> loadCatalogFile(const std::string& name);
// The same file's bytes, uncut.
std::string readCatalogFile(const std::string& name);

// Cutting loaded lines into the columns. Each call appends; the caller
// clears the columns first.
void splitCatalog(CatalogTable& table);  // from CatalogLines
void fillFootnotes(FootnoteTable& table, const std::vector<std::string>& lines);
void fillOpsTexts(OpsTextTable& table, const std::vector<std::string>& lines);
void fillAssignments(AssignmentTable& table, const std::vector<std::string>& lines);

}  // namespace catalog
