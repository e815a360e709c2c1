#include "annex/messages.h"

namespace annex {
namespace {

std::string quoted(std::string_view text) { return "\x84" + std::string(text) + "\x93"; }

std::string fileSays(std::string_view file) { return "Datei " + quoted(file) + ": "; }

}  // namespace

std::string annexName(int annex) { return "Anlage " + std::to_string(annex); }

catalog::Error unknownFileKind(std::string_view file) {
  return catalog::Error(fileSays(file) + "weder PDF noch CSV-Datei noch Excel-Arbeitsmappe (.xlsx)");
}

catalog::Error damagedPdf(std::string_view file) {
  return catalog::Error(fileSays(file) + "PDF ist besch\xE4" "digt oder unvollst\xE4ndig und kann nicht gelesen werden");
}

catalog::Error damagedWorkbook(std::string_view file, std::string_view reason) {
  return catalog::Error(fileSays(file) + "Excel-Arbeitsmappe kann nicht gelesen werden (" + std::string(reason) + ")");
}

catalog::Error notText(std::string_view file) {
  return catalog::Error(fileSays(file) + "PDF ohne Text (nur Bilder?); bitte eine PDF mit Textebene, CSV oder .xlsx angeben");
}

catalog::Error noTable(std::string_view file, int annex, std::string_view missingColumns) {
  return catalog::Error(fileSays(file) + "keine Tabelle mit den Spalten von " + annexName(annex) + " gefunden (es fehlt: " +
                        std::string(missingColumns) + ")");
}

catalog::Error looksLikeOtherAnnex(std::string_view file, int given, int found) {
  return catalog::Error(fileSays(file) + "als " + annexName(given) + " angegeben, enth\xE4lt aber " + annexName(found));
}

catalog::Error rowWithoutCode(std::string_view file, int annex, std::string_view row) {
  return catalog::Error(fileSays(file) + "Zeile ohne ZE-Kode in " + annexName(annex) + ": " + quoted(row));
}

catalog::Error notAnAmount(std::string_view file, std::string_view amount, std::string_view where) {
  return catalog::Error(fileSays(file) + quoted(amount) + " ist kein Betrag (" + std::string(where) + ")");
}

catalog::Error emptyAnnex(std::string_view file, int annex) {
  return catalog::Error(fileSays(file) + annexName(annex) + " enth\xE4lt keine Zeile");
}

catalog::Error badYear(std::string_view year) {
  return catalog::Error("Jahr " + quoted(year) + " ist keine vierstellige Jahreszahl");
}

}  // namespace annex
