#include "app/command_line.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <optional>
#include <variant>
#include <unistd.h>

#include "app/clock.h"
#include "app/commands.h"
#include "app/console.h"
#include "app/german.h"
#include "app/main_window.h"
#include "app/start_folder.h"
#include "app/messages.h"
#include "app/text_codec.h"
#include "catalog/errors.h"
#include "app/tform1.h"

namespace app {
namespace {

struct Arguments {
  enum class Command { Window, Check, Rebuild, Lookup, Import, Compare } command = Command::Window;
  QByteArray folder;  // as the shell passed it: any bytes a file name may hold
  std::optional<QString> year;
  bool allYears = false;
  bool force = false;
  QStringList codes;
  QString importYear;
  std::array<QByteArray, 4> annexFiles;  // Anlage 2, 4, 5, 6, made absolute
  QStringList compareYears;              // old, new
  std::optional<QString> kind;
  QByteArray workbook;  // --xlsx, made absolute
};

// An annex named relative to where the program was started, before the
// program changes into the catalog folder.
QByteArray absolutePath(const QByteArray& path) {
  if (path.startsWith('/')) return path;
  return QFile::encodeName(QDir::currentPath()) + '/' + path;
}

int annexIndexOf(const QByteArray& option) {
  static const std::array<QByteArray, 4> kOptions = {"--anlage2", "--anlage4", "--anlage5", "--anlage6"};
  const auto found = std::find(kOptions.begin(), kOptions.end(), option);
  return found == kOptions.end() ? -1 : static_cast<int>(found - kOptions.begin());
}

int fail(const QString& message, int status) {
  printError(message);
  return status;
}

bool isFourDigits(const QString& text) {
  return text.size() == 4 && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Parses into arguments, or returns the exit status to end with. Options
// may come anywhere; "--" ends them; "--year=2026" and "--year 2026" alike.
std::variant<Arguments, int> parse(int argc, char** argv) {
  Arguments arguments;
  int commands = 0;
  bool yearSet = false, help = false, version = false, folderSet = false;
  std::vector<QByteArray> positional;
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    const QByteArray argument(argv[i]);
    if (optionsEnded || !argument.startsWith('-') || argument == "-") {
      positional.push_back(argument);
      continue;
    }
    if (argument == "--") {
      optionsEnded = true;
      continue;
    }
    const qsizetype equals = argument.indexOf('=');
    const QByteArray name = equals == -1 ? argument : argument.left(equals);
    const QString shownName = QString::fromLocal8Bit(name);
    if (name == "--check" || name == "--rebuild" || name == "--lookup" || name == "--all-years" || name == "-h" ||
        name == "--help" || name == "-v" || name == "--version" || name == "--force") {
      if (equals != -1) return fail(messages::unexpectedValue(shownName), 2);
      if (name == "--check") arguments.command = Arguments::Command::Check;
      if (name == "--rebuild") arguments.command = Arguments::Command::Rebuild;
      if (name == "--lookup") arguments.command = Arguments::Command::Lookup;
      if (name == "--check" || name == "--rebuild" || name == "--lookup") ++commands;
      if (name == "--all-years") arguments.allYears = true;
      if (name == "--force") arguments.force = true;
      if (name == "-h" || name == "--help") help = true;
      if (name == "-v" || name == "--version") version = true;
    } else if (name == "--compare") {
      arguments.command = Arguments::Command::Compare;
      ++commands;
      if (equals != -1) arguments.compareYears << QString::fromLocal8Bit(argument.mid(equals + 1));
      while (arguments.compareYears.size() < 2 && i + 1 < argc && argv[i + 1][0] != '-')
        arguments.compareYears << QString::fromLocal8Bit(argv[++i]);
      if (arguments.compareYears.size() < 2) return fail(messages::compareNeedsTwoYears(), 2);
    } else if (name == "--folder" || name == "--year" || name == "--import" || name == "--kind" || name == "--xlsx" ||
               annexIndexOf(name) >= 0) {
      std::optional<QByteArray> given;
      if (equals != -1) {
        given = argument.mid(equals + 1);
      } else if (i + 1 < argc) {
        given = QByteArray(argv[++i]);
      }
      if (!given) return fail(messages::missingValue(shownName), 2);
      if (name == "--folder") {
        arguments.folder = *given;
        folderSet = true;
      } else if (name == "--import") {
        arguments.command = Arguments::Command::Import;
        arguments.importYear = QString::fromLocal8Bit(*given);
        ++commands;
      } else if (name == "--kind") {
        arguments.kind = QString::fromLocal8Bit(*given);
      } else if (name == "--xlsx") {
        arguments.workbook = absolutePath(*given);
      } else if (const int annex = annexIndexOf(name); annex >= 0) {
        arguments.annexFiles[static_cast<std::size_t>(annex)] = absolutePath(*given);
      } else {
        arguments.year = QString::fromLocal8Bit(*given);
        yearSet = true;
      }
    } else {
      return fail(messages::unknownOption(QString::fromLocal8Bit(argument)), 2);
    }
  }
  if (help) {
    printLine(messages::help());
    return 0;
  }
  if (version) {
    printLine(messages::version());
    return 0;
  }
  if (commands > 1) return fail(messages::oneCommandOnly(), 2);
  if ((yearSet || arguments.allYears) && arguments.command != Arguments::Command::Lookup)
    return fail(messages::yearOnlyWithLookup(), 2);
  if (yearSet && arguments.allYears) return fail(messages::yearOrAllYears(), 2);
  if (arguments.force && arguments.command != Arguments::Command::Rebuild) return fail(messages::forceOnlyWithRebuild(), 2);
  if (yearSet && !isFourDigits(*arguments.year)) return fail(messages::badYear(*arguments.year), 2);
  const bool anyAnnex = std::any_of(arguments.annexFiles.begin(), arguments.annexFiles.end(),
                                    [](const QByteArray& file) { return !file.isEmpty(); });
  if (arguments.command == Arguments::Command::Import) {
    if (!isFourDigits(arguments.importYear)) return fail(messages::badImportYear(arguments.importYear), 2);
    static const std::array<const char*, 4> kOptions = {"--anlage2", "--anlage4", "--anlage5", "--anlage6"};
    for (std::size_t a = 0; a < kOptions.size(); ++a)
      if (arguments.annexFiles[a].isEmpty()) return fail(messages::importNeedsAnnex(QLatin1String(kOptions[a])), 2);
  } else if (anyAnnex) {
    return fail(messages::annexOnlyWithImport(), 2);
  }
  if (arguments.command == Arguments::Command::Compare) {
    for (const QString& year : arguments.compareYears)
      if (!isFourDigits(year)) return fail(messages::badCompareYear(year), 2);
    if (arguments.kind && *arguments.kind != QLatin1String("BE") && *arguments.kind != QLatin1String("KH"))
      return fail(messages::badKind(*arguments.kind), 2);
  } else {
    if (arguments.kind) return fail(messages::onlyWithCompare(QStringLiteral("--kind")), 2);
    if (!arguments.workbook.isEmpty()) return fail(messages::onlyWithCompare(QStringLiteral("--xlsx")), 2);
  }
  if (arguments.command == Arguments::Command::Lookup) {
    for (const QByteArray& code : positional) arguments.codes << QString::fromLocal8Bit(code);
    if (arguments.codes.isEmpty()) return fail(messages::lookupNeedsCode(), 2);
  } else {
    if (positional.size() > 1 || (positional.size() == 1 && folderSet)) {
      QStringList shown;
      for (const QByteArray& extra : positional) shown << QFile::decodeName(extra);
      return fail(messages::tooManyArguments(shown.join(QLatin1Char(' '))), 2);
    }
    if (!positional.empty()) arguments.folder = positional.front();
  }
  return arguments;
}

bool hasDisplay() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// Qt ends the program with its own English words when the display it is
// given does not answer (a stale DISPLAY after a closed session); while the
// application starts, that end is the program's own German one.
void displayUnusableEnds(QtMsgType type, const QMessageLogContext&, const QString&) {
  if (type != QtFatalMsg) return;
  QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
  if (display.isEmpty()) display = qEnvironmentVariable("DISPLAY");
  if (display.isEmpty()) display = qEnvironmentVariable("QT_QPA_PLATFORM");
  printError(messages::displayUnusable(display));
  std::_Exit(1);
}

int runWindow(int argc, char** argv, bool folderNamed) {
  if (!hasDisplay()) return fail(messages::noDisplay(), 1);
  const QtMessageHandler before = qInstallMessageHandler(displayUnusableEnds);
  QApplication application(argc, argv);
  qInstallMessageHandler(before);
  QApplication::setApplicationName(QStringLiteral("Tarvelo"));
  // No display name: the platform would add it to every window title
  // ("Tarvelo – katalog — Tarvelo"); message boxes take the name instead.
  QApplication::setApplicationVersion(QStringLiteral(TARVELO_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("tarvelo"));
  installGermanTranslations(application);
  // Started from the desktop menu, the current directory is the home folder.
  if (!folderNamed) {
    if (const auto folder = startFolder(currentFolder())) {
      // A folder that cannot be entered leaves the start as it would be.
      [[maybe_unused]] const int entered = ::chdir(folder->constData());
    }
  }
  MainWindow window;
  window.show();
  return QApplication::exec();
}

}  // namespace

int runProgram(int argc, char** argv) {
  const auto parsed = parse(argc, argv);
  if (const int* status = std::get_if<int>(&parsed)) return *status;
  const Arguments& arguments = std::get<Arguments>(parsed);
  // Every rule about "the current directory" then holds for the folder.
  if (!arguments.folder.isEmpty() && ::chdir(arguments.folder.constData()) != 0) {
    const int error = errno;
    return fail(messages::folderCannotBeOpened(QFile::decodeName(arguments.folder), app::toQString(catalog::reasonOf(error))),
                2);
  }
  switch (arguments.command) {
    case Arguments::Command::Window: return runWindow(argc, argv, !arguments.folder.isEmpty());
    case Arguments::Command::Check: return runCheck();
    case Arguments::Command::Rebuild: return runRebuild(arguments.force);
    case Arguments::Command::Lookup:
      return runLookup(arguments.codes, {arguments.allYears, arguments.year});
    case Arguments::Command::Import:
      return runImport(arguments.importYear, arguments.annexFiles);
    case Arguments::Command::Compare:
      return runCompare(arguments.compareYears[0], arguments.compareYears[1], arguments.kind,
                        QFile::decodeName(arguments.workbook));
  }
  return 2;
}

}  // namespace app
