#include "app/messages.h"

namespace app::messages {

QString help() {
  return QStringLiteral(
      "Tarvelo " TARVELO_VERSION " \u2013 Zusatzentgelte (ZE) und ausl\u00F6sende OPS-Kodes nachschlagen.\n"
      "\n"
      "Aufruf:\n"
      "  tarvelo [ORDNER]                 das Fenster, mit den Dateien aus ORDNER (sonst dem aktuellen;\n"
      "                                   liegt dort keine, der zuletzt gezeigte Katalogordner)\n"
      "  tarvelo --check [ORDNER]         die vier Dateien pr\u00FCfen; Exit 0 ohne Fehler, 1 mit, 2 unlesbar\n"
      "  tarvelo --rebuild [--force] [ORDNER]\n"
      "                                   OPS-Zuordnung.csv neu schreiben, wie Strg+Umschalt+O im Fenster;\n"
      "                                   mit --force auch, wenn mehr als die H\u00E4lfte der Zeilen entfiele\n"
      "  tarvelo --lookup [--year JJJJ | --all-years] KODE...\n"
      "                                   die ZE zu OPS-Kodes, tabulatorgetrennt\n"
      "  tarvelo --import JAHR --anlage2 DATEI --anlage4 DATEI --anlage5 DATEI --anlage6 DATEI [ORDNER]\n"
      "                                   ein Jahr aus den Anlagen des Fallpauschalen-Katalogs (PDF, CSV, .xlsx)\n"
      "                                   einlesen, danach OPS-Zuordnung.csv neu schreiben\n"
      "  tarvelo --compare ALT NEU [--kind BE|KH] [--xlsx DATEI] [ORDNER]\n"
      "                                   zwei Jahre vergleichen: neue, entfallene und ge\u00E4nderte ZE,\n"
      "                                   tabulatorgetrennt oder als Excel-Datei\n"
      "  --folder ORDNER                  statt des ORDNER-Arguments\n"
      "  -h, --help                       diese Hilfe\n"
      "  -v, --version                    die Version\n"
      "\n"
      "Dateien im Ordner (Windows-1252): ZE-Katalog.csv, Fu\u00DFnoten.txt, OPS-Kodes.csv, OPS-Zuordnung.csv.\n"
      "Mehr in man tarvelo und der README.md (installiert unter /usr/share/doc/tarvelo/).");
}

QString version() { return QStringLiteral("tarvelo " TARVELO_VERSION); }

QString unknownOption(const QString& option) {
  return QStringLiteral("unbekannte Option: %1 (tarvelo --help)").arg(option);
}

QString missingValue(const QString& option) { return QStringLiteral("%1 braucht einen Wert").arg(option); }

QString unexpectedValue(const QString& option) { return QStringLiteral("%1 nimmt keinen Wert").arg(option); }

QString oneCommandOnly() { return QStringLiteral("nur einer von --check, --rebuild, --lookup, --import, --compare"); }

QString yearOnlyWithLookup() { return QStringLiteral("--year und --all-years gelten nur mit --lookup"); }

QString yearOrAllYears() { return QStringLiteral("--year und --all-years schlie\u00DFen sich aus"); }

QString badYear(const QString& value) {
  return QStringLiteral("--year erwartet ein Jahr mit vier Ziffern, nicht \u201E%1\u201C").arg(value);
}

QString badImportYear(const QString& value) {
  return QStringLiteral("--import erwartet ein Jahr mit vier Ziffern, nicht \u201E%1\u201C").arg(value);
}

QString importNeedsAnnex(const QString& option) { return QStringLiteral("--import braucht %1 DATEI").arg(option); }

QString annexOnlyWithImport() { return QStringLiteral("--anlage2, --anlage4, --anlage5 und --anlage6 gelten nur mit --import"); }

QString assignmentsUnchanged() {
  return QStringLiteral("OPS-Zuordnung.csv: unver\u00E4ndert, nichts geschrieben.");
}

QString lookupNeedsCode() { return QStringLiteral("--lookup braucht mindestens einen OPS-Kode"); }

QString noCodeIn(const QString& text) { return QStringLiteral("kein OPS-Kode in: %1").arg(text); }

QString tooManyArguments(const QString& arguments) { return QStringLiteral("zu viele Argumente: %1").arg(arguments); }

QString displayUnusable(const QString& display) {
  return QStringLiteral("Keine grafische Oberfl\u00E4che gefunden (die Anzeige \u201E%1\u201C antwortet nicht). Ohne "
                        "Fenster: tarvelo --check, --rebuild, --lookup (tarvelo --help).")
      .arg(display);
}

QString noDisplay() {
  return QStringLiteral(
      "Keine grafische Oberfl\u00E4che gefunden (weder DISPLAY noch WAYLAND_DISPLAY gesetzt). Ohne Fenster: "
      "tarvelo --check, --rebuild, --lookup (tarvelo --help).");
}

QString folderCannotBeOpened(const QString& folder, const QString& reason) {
  return QStringLiteral("Ordner %1 kann nicht ge\u00F6ffnet werden: %2").arg(folder, reason);
}

QString rebuildNeedsCompleteLoad() {
  return QStringLiteral(
      "OPS-Match nicht m\u00F6glich: Der Katalog wurde nicht vollst\u00E4ndig geladen; es wurde nichts geschrieben.");
}

QString notWrittenWithoutForce() {
  return QStringLiteral("Nein: es wurde nichts geschrieben (tarvelo --rebuild --force schreibt trotzdem).");
}

QString forceOnlyWithRebuild() { return QStringLiteral("--force gilt nur mit --rebuild"); }

QString rebuildWritten(qsizetype lines, qsizetype added, qsizetype dropped) {
  return QStringLiteral("OPS-Zuordnung.csv: %1 Zeilen geschrieben, %2 neu, %3 entfallen.").arg(lines).arg(added).arg(dropped);
}

QString yearMissing(const QString& year) { return QStringLiteral("Jahr %1 fehlt im Katalog").arg(year); }

QString compareNeedsTwoYears() { return QStringLiteral("--compare braucht zwei Jahre: --compare ALT NEU"); }

QString badCompareYear(const QString& value) {
  return QStringLiteral("--compare erwartet Jahre mit vier Ziffern, nicht \u201E%1\u201C").arg(value);
}

QString badKind(const QString& value) {
  return QStringLiteral("--kind erwartet BE oder KH, nicht \u201E%1\u201C").arg(value);
}

QString onlyWithCompare(const QString& option) { return QStringLiteral("%1 gilt nur mit --compare").arg(option); }

QString compareYearMissing(const QString& year, const QStringList& years) {
  if (years.isEmpty()) return QStringLiteral("Jahr %1 fehlt im Katalog; er enth\u00E4lt kein Jahr").arg(year);
  return QStringLiteral("Jahr %1 fehlt im Katalog; er enth\u00E4lt %2").arg(year, years.join(QStringLiteral(", ")));
}

}  // namespace app::messages
