#pragma once
// The status line under the main window's form: what the form cannot say.
// The year shown has no lines; the code typed in the OPS field and the ZE
// it chose, and the others it triggers too; a hospital-specific ZE (which
// has no federal amount); typing on would lengthen the code just found.

#include <optional>
#include <string>
#include <vector>

namespace app {

struct StatusFacts {
  std::string year;                          // shown in the year box
  std::optional<std::vector<std::string>> yearsWhenMissing;  // the catalog's years, when it lacks the one shown
  std::optional<std::string> hitCode;        // the code that chose the shown ZE
  std::string hitZe;                         // the ZE (or group) it chose
  std::vector<std::string> alsoTriggered;    // the other ZEs the code triggers in the year
  bool hospitalZe = false;
  std::optional<std::string> lengthening;    // the code typing on would lengthen
  bool reloadedBeforeRebuild = false;        // the files had changed since the load
};

// The line's text in Windows-1252, its parts set apart by " · ".
std::string statusText(const StatusFacts& facts);

}  // namespace app
