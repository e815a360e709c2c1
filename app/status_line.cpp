#include "app/status_line.h"

namespace app {
namespace {

std::string joined(const std::vector<std::string>& items, const std::string& separator) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : separator) + item;
  return text;
}

}  // namespace

std::string statusText(const StatusFacts& facts) {
  constexpr char kDash[] = " \x96 ";  // en dash
  std::vector<std::string> parts;
  if (facts.reloadedBeforeRebuild)
    parts.push_back("ZE-Katalog.csv wurde seit dem Laden ge\xE4ndert und vor OPS-Match neu geladen");
  if (facts.yearsWhenMissing) {
    std::string missing = "Jahr " + facts.year + " fehlt im Katalog";
    if (!facts.yearsWhenMissing->empty()) missing += kDash + std::string("vorhanden: ") + joined(*facts.yearsWhenMissing, ", ");
    parts.push_back(missing);
  }
  if (facts.hitCode) {
    parts.push_back(*facts.hitCode + " l\xF6st " + facts.hitZe + " aus");
    if (!facts.alsoTriggered.empty())
      parts.push_back(*facts.hitCode + " l\xF6st auch " + joined(facts.alsoTriggered, ", ") + " aus" + kDash +
                      "alle Zeilen: Strg+F");
  }
  if (facts.hospitalZe) parts.push_back("krankenhausindividuell");
  if (facts.lengthening)
    parts.push_back("weiter tippen verl\xE4ngert " + *facts.lengthening + kDash + "Esc f\xFCr einen neuen Kode");
  return joined(parts, " \xB7 ");
}

}  // namespace app
