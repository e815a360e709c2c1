#pragma once
// An annex printed as PDF, read from its text layer: each page's words with
// their positions (poppler), gathered into printed lines, and each line's
// words into the columns that the page's header words stand over.

#include <string>
#include <string_view>

#include "annex/table.h"

namespace annex {

// data: the file's bytes; file: its name for messages.
Table readPdfTable(const std::string& data, std::string_view file);

// A word as the page places it (points, y downwards).
struct PlacedWord {
  double left = 0, right = 0, top = 0, bottom = 0;
  std::string text;  // Windows-1252
  double middle() const { return (top + bottom) / 2; }
  double height() const { return bottom - top; }
};
// The table of pages of placed words: what readPdfTable does after poppler,
// apart so that tests can lay out words where they want them.
Table tableOfPages(const std::vector<std::vector<PlacedWord>>& pages);

}  // namespace annex
