#pragma once
// The four files of a catalog folder, as the program names them (the
// footnote file's name in Windows-1252, like all its text).

#include <array>

namespace catalog {

inline constexpr char kCatalogFile[] = "ZE-Katalog.csv";
inline constexpr char kFootnoteFile[] = "Fu\xDFnoten.txt";
inline constexpr char kOpsTextFile[] = "OPS-Kodes.csv";
inline constexpr char kAssignmentFile[] = "OPS-Zuordnung.csv";
// The four files in the order start-up reads them.
inline constexpr std::array<const char*, 4> kCatalogFiles = {kCatalogFile, kFootnoteFile, kOpsTextFile,
                                                             kAssignmentFile};

}  // namespace catalog
