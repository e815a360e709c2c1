#include "app/command_line.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStringList>
#include <cerrno>
#include <cstdio>
#include <iostream>
#include <optional>
#include <variant>
#include <unistd.h>

#include "app/clock.h"
#include "app/commands.h"
#include "app/tform1.h"

namespace app {
namespace {

constexpr char kHelp[] =
    "Tarvelo " TARVELO_VERSION " - Zusatzentgelte (ZE) und ausl\xC3\xB6sende OPS-Kodes nachschlagen.\n"
    "\n"
    "Aufruf:\n"
    "  tarvelo [ORDNER]                 das Fenster, mit den Dateien aus ORDNER (sonst dem aktuellen)\n"
    "  tarvelo --check [ORDNER]         die vier Dateien pr\xC3\xBC" "fen; Exit 0 ohne Fehler, 1 mit, 2 unlesbar\n"
    "  tarvelo --rebuild [ORDNER]       OPS-Zuordnung.csv neu schreiben, wie Strg+Umschalt+O im Fenster\n"
    "  tarvelo --lookup [--year JJJJ | --all-years] KODE...\n"
    "                                   die ZE zu OPS-Kodes, tabulatorgetrennt\n"
    "  --folder ORDNER                  statt des ORDNER-Arguments\n"
    "  --help, --version\n"
    "\n"
    "Dateien im Ordner (Windows-1252): ZE-Katalog.csv, Fu\xC3\x9Fnoten.txt, OPS-Kodes.csv, OPS-Zuordnung.csv.\n"
    "Mehr in der README.md (installiert unter /usr/share/doc/tarvelo/).\n";

struct Arguments {
  enum class Command { Window, Check, Rebuild, Lookup } command = Command::Window;
  QString folder;
  std::optional<QString> year;
  bool allYears = false;
  QStringList codes;
};

int fail(const QString& message, int status) {
  std::cerr << "tarvelo: " << message.toLocal8Bit().constData() << std::endl;
  return status;
}

// Parses into arguments, or returns the exit status to end with.
std::variant<Arguments, int> parse(const QStringList& argv) {
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption check(QStringLiteral("check")), rebuild(QStringLiteral("rebuild")),
      lookup(QStringLiteral("lookup")), allYears(QStringLiteral("all-years")), help(QStringLiteral("help")),
      version(QStringLiteral("version")), folder(QStringLiteral("folder"), QString(), QStringLiteral("ORDNER")),
      year(QStringLiteral("year"), QString(), QStringLiteral("JJJJ"));
  parser.addOptions({check, rebuild, lookup, allYears, help, version, folder, year});
  if (!parser.parse(argv)) {
    if (!parser.unknownOptionNames().isEmpty())
      return fail(QStringLiteral("unbekannte Option: ") + parser.unknownOptionNames().front() +
                      QStringLiteral(" (tarvelo --help)"),
                  2);
    return fail(parser.errorText(), 2);
  }
  if (parser.isSet(help)) {
    std::cout << kHelp;
    return 0;
  }
  if (parser.isSet(version)) {
    std::cout << "tarvelo " TARVELO_VERSION "\n";
    return 0;
  }
  Arguments arguments;
  const int commands = int(parser.isSet(check)) + int(parser.isSet(rebuild)) + int(parser.isSet(lookup));
  if (commands > 1) return fail(QStringLiteral("nur einer von --check, --rebuild, --lookup"), 2);
  if (parser.isSet(check)) arguments.command = Arguments::Command::Check;
  if (parser.isSet(rebuild)) arguments.command = Arguments::Command::Rebuild;
  if (parser.isSet(lookup)) arguments.command = Arguments::Command::Lookup;
  if ((parser.isSet(year) || parser.isSet(allYears)) && arguments.command != Arguments::Command::Lookup)
    return fail(QStringLiteral("--year und --all-years gelten nur mit --lookup"), 2);
  if (parser.isSet(year) && parser.isSet(allYears))
    return fail(QStringLiteral("--year und --all-years schlie\u00DFen sich aus"), 2);
  if (parser.isSet(year)) arguments.year = parser.value(year);
  arguments.allYears = parser.isSet(allYears);
  QStringList positional = parser.positionalArguments();
  arguments.folder = parser.value(folder);
  if (arguments.command == Arguments::Command::Lookup) {
    arguments.codes = positional;
    if (arguments.codes.isEmpty()) return fail(QStringLiteral("--lookup braucht mindestens einen OPS-Kode"), 2);
  } else {
    if (positional.size() > 1 || (positional.size() == 1 && parser.isSet(folder)))
      return fail(QStringLiteral("zu viele Argumente: ") + positional.join(QLatin1Char(' ')), 2);
    if (!positional.isEmpty()) arguments.folder = positional.front();
  }
  return arguments;
}

bool hasDisplay() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

int runWindow(int argc, char** argv) {
  if (!hasDisplay())
    return fail(QStringLiteral("Keine grafische Oberfl\u00E4" "che gefunden (weder DISPLAY noch WAYLAND_DISPLAY "
                               "gesetzt). Ohne Fenster: tarvelo --check, --rebuild, --lookup (tarvelo --help)."),
                1);
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tarvelo"));
  QApplication::setApplicationDisplayName(QStringLiteral("Tarvelo"));
  QApplication::setApplicationVersion(QStringLiteral(TARVELO_VERSION));
  TForm1 Form1;
  Form1.show();
  return QApplication::exec();
}

}  // namespace

int runProgram(int argc, char** argv) {
  QStringList argvList;
  for (int i = 0; i < argc; ++i) argvList << QString::fromLocal8Bit(argv[i]);
  const auto parsed = parse(argvList);
  if (const int* status = std::get_if<int>(&parsed)) return *status;
  const Arguments& arguments = std::get<Arguments>(parsed);
  // Every rule about "the current directory" then holds for the folder.
  if (!arguments.folder.isEmpty() && ::chdir(arguments.folder.toLocal8Bit().constData()) != 0)
    return fail(QStringLiteral("Ordner %1 kann nicht ge\u00F6" "ffnet werden").arg(arguments.folder), 2);
  switch (arguments.command) {
    case Arguments::Command::Window: return runWindow(argc, argv);
    case Arguments::Command::Check: return runCheck(argc, argv);
    case Arguments::Command::Rebuild: return runRebuild(argc, argv);
    case Arguments::Command::Lookup:
      return runLookup(arguments.codes, {arguments.allYears, arguments.year});
  }
  return 2;
}

}  // namespace app
