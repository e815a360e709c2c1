#pragma once
// What the search window needs of the main window, and nothing more: the
// catalog it shows, when that was loaded, its year, and showing a ZE.

#include <string>

#include "catalog/catalog.h"
#include "catalog/search_result.h"

namespace app {

class SearchHost {
 public:
  virtual ~SearchHost() = default;
  virtual const catalog::Catalog& catalog() const = 0;
  // Changes whenever the catalog is loaded anew.
  virtual int catalogGeneration() const = 0;
  // The year the main window shows.
  virtual std::string shownYear() const = 0;
  // Shows a row's ZE as the user's own picks would.
  virtual void showLookupRow(const catalog::LookupRow& row) = 0;
};

}  // namespace app
