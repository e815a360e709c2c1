#include "app/cascade_rules.h"

namespace app {
namespace {

std::string_view head(std::string_view s, std::size_t n) { return s.substr(0, std::min(n, s.size())); }

}  // namespace

std::string carryOverYear(const std::string& text, std::string_view yearText) {
  const std::string_view start = head(text, 5);
  if (start != "ZE200" && start != "ZE201") return text;
  return concat({"ZE", yearText, text.size() > 6 ? std::string_view(text).substr(6) : std::string_view()});
}



}  // namespace app
