// The figures the README's table shows, each next to its baseline from the
// same run: start-up to the first painted window against reading the four
// files and cutting them into lines, peak memory against the input bytes,
// every user event with its cascade and repaint, the rebuild with the window
// shown and the longest gap between two paints; at 5, 10, 20 and 40 years,
// and for one ZE with millions of catalog lines.
//
//   tarvelo_figures [WORKDIR]      all of it, as a Markdown table
//   tarvelo_figures --measure DIR  one catalog, "name value" lines
//   tarvelo_figures --shapes       only the table of the extreme shapes
//   tarvelo_figures --shape KIND N start-up, memory and rebuild of a shape
//                                  (identical N lines, a long line of N
//                                  bytes, N short lines)
//   tarvelo_figures --check DIR    the command line's check of a folder
//   tarvelo_figures --load DIR     loading a folder without a window
//   tarvelo_figures --command-rebuild DIR  the command line's rebuild of a folder
//   tarvelo_figures --import       only the import of the 2012 annexes

#include <QAbstractButton>
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QCheckBox>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "app/clock.h"
#include "app/commands.h"
#include "app/comparison_window.h"
#include "app/error_display.h"
#include "app/search_results_model.h"
#include "app/search_window.h"
#include "app/tform1.h"
#include "bench/catalog_generator.h"
#include "bench/peak_memory.h"
#include "catalog/catalog.h"
#include "catalog/ops_lookup.h"
#include "catalog/year_comparison.h"
#include "catalog/tables.h"
#include "annex/import.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Records when any widget paints.
class PaintClock : public QObject {
 public:
  std::vector<Clock::time_point> paints;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) paints.push_back(Clock::now());
    return QObject::eventFilter(watched, event);
  }
};

void waitUntilPainted(QWidget& window) {
  PaintClock clock;
  window.installEventFilter(&clock);
  window.show();
  while (clock.paints.empty()) QApplication::processEvents(QEventLoop::AllEvents, 5);
  window.removeEventFilter(&clock);
}

// Baseline: the four files read into memory and cut into lines, nothing more.
double readAndCutMilliseconds() {
  double best = 1e9;
  for (int run = 0; run < 3; ++run) {
    const auto start = Clock::now();
    std::size_t lines = 0;
    for (const char* name : {"ZE-Katalog.csv", "Fu\xC3\x9Fnoten.txt", "OPS-Kodes.csv", "OPS-Zuordnung.csv"}) {
      // One read of the whole file, as fast as reading gets.
      const std::size_t size = fs::file_size(name);
      const std::unique_ptr<char[]> bytes(new char[size]);
      std::FILE* file = std::fopen(name, "rb");
      if (!file || std::fread(bytes.get(), 1, size, file) != size) std::fprintf(stderr, "short read\n");
      if (file) std::fclose(file);
      const std::string_view text(bytes.get(), size);
      std::vector<std::string_view> cut;
      for (std::size_t at = 0; at < text.size();) {
        const void* end = std::memchr(text.data() + at, '\n', text.size() - at);
        const std::size_t stop = end ? static_cast<std::size_t>(static_cast<const char*>(end) - text.data()) : text.size();
        cut.emplace_back(text.data() + at, stop - at);
        at = stop + 1;
      }
      lines += cut.size();
    }
    best = std::min(best, millisecondsSince(start));
    if (lines == 0) std::fprintf(stderr, "no lines\n");
  }
  return best;
}

// One user event with its cascade, then every widget it changed painted, as
// the event loop does before the next event.
template <typename Event>
double timedEvent(Event event) {
  const auto start = Clock::now();
  event();
  QApplication::processEvents();
  return millisecondsSince(start);
}

double typeCode(TForm1& form, const std::string& code, std::vector<double>& times) {
  double first = 0;
  for (std::size_t i = 0; i < code.size(); ++i) {
    const double t = timedEvent([&] { QTest::keyClick(form.MaskEdit1, code[i]); });
    if (i == 0) first = t;
    times.push_back(t);
  }
  return first;
}

// A code of the year that triggers a ZE, as a coder would type it.
std::string someAssignedCode(TForm1& form, const std::string& year) {
  const catalog::Column& keys = form.Data.assignmentTable().AssignmentKeys;
  for (int i = keys.count() - 1; i >= 0; --i) {
    const std::string_view key = keys.get(i);
    if (key.find(";" + year + ";") != std::string_view::npos) return std::string(key.substr(0, key.find(';')));
  }
  return "1-00a.00";
}

int measure(const fs::path& folder) {
  app::setErrorMessageHook([](const QString&, const QString& text) {
    std::fprintf(stderr, "error: %s\n", text.toUtf8().constData());
  });
  // An empty window first: what the catalog adds is measured above it.
  const fs::path empty = fs::temp_directory_path() / "tarvelo-figures-empty";
  fs::create_directories(empty);
  for (const char* name : {"ZE-Katalog.csv", "Fu\xC3\x9Fnoten.txt", "OPS-Kodes.csv", "OPS-Zuordnung.csv"})
    std::ofstream(empty / name, std::ios::trunc);
  fs::current_path(empty);
  {
    const auto emptyStart = Clock::now();
    TForm1 emptyForm;
    waitUntilPainted(emptyForm);
    std::printf("empty_window_ms %.1f\n", millisecondsSince(emptyStart));
  }
  const double emptyPeak = bench::peakMemoryMiB();

  fs::current_path(folder);
  std::size_t inputBytes = 0;
  for (const auto& entry : fs::directory_iterator(folder)) inputBytes += entry.file_size();
  const auto start = Clock::now();
  TForm1 form;
  const double loaded = millisecondsSince(start);
  waitUntilPainted(form);
  const double startup = millisecondsSince(start);
  std::printf("window_created_and_loaded_ms %.1f\n", loaded);
  const double peakAbove = bench::peakMemoryMiB() - emptyPeak;
  const double baseline = readAndCutMilliseconds();

  std::vector<double> events;
  const std::string code = someAssignedCode(form, form.ComboBox1->item(0));
  const double firstOps = typeCode(form, code, events);
  // A year of the catalog typed key by key, then every group and ZE of it.
  QLineEdit* yearEdit = form.ComboBox1->widget()->lineEdit();
  const std::string typedYear = form.ComboBox1->item(form.ComboBox1->count() / 2);
  yearEdit->clear();
  for (char digit : typedYear) events.push_back(timedEvent([&] { QTest::keyClick(yearEdit, digit); }));
  for (int kind : {1, 0}) events.push_back(timedEvent([&] { form.RadioGroup1->button(kind)->click(); }));
  for (int g = 0; g < form.ComboBox2->count(); ++g) {
    events.push_back(timedEvent([&] { emit form.ComboBox2->widget()->activated(g); }));
    for (int z = 0; z < form.ComboBox3->count(); ++z)
      events.push_back(timedEvent([&] { emit form.ComboBox3->widget()->activated(z); }));
  }
  for (int i = 0; i < 20; ++i) typeCode(form, someAssignedCode(form, form.ComboBox1->text()), events);

  // The search window: every keystroke with its table update and paint.
  std::vector<double> searchKeys;
  app::SearchWindow* search = form.showSearchWindow();
  for (const std::string& typed : {code + " " + someAssignedCode(form, form.ComboBox1->item(1)), std::string("Sonde Pumpe"),
                                  std::string("e")}) {
    search->input()->clear();
    for (char key : typed) searchKeys.push_back(timedEvent([&] { QTest::keyClick(search->input(), key); }));
  }
  // A pasted text of 32 KB: case lists and words, in one event.
  std::string pasted;
  for (int i = 0; pasted.size() < 32768; ++i)
    pasted += someAssignedCode(form, form.ComboBox1->item(i % form.ComboBox1->count())) + " R (03.01.2026) Sonde ";
  pasted.resize(32768);
  const double peakBeforePaste = bench::peakMemoryMiB() - emptyPeak;
  const double paste = timedEvent([&] { search->input()->setText(QString::fromLatin1(pasted.data(), 32768)); });
  std::printf("paste_32k_ms %.1f\npaste_32k_rows %d\npaste_32k_peak_ratio %.2f\n", paste, search->model()->rowCount(),
              (bench::peakMemoryMiB() - emptyPeak) / peakBeforePaste);
  search->input()->setText(QStringLiteral("e"));
  search->allYears()->setChecked(true);
  searchKeys.push_back(timedEvent([&] { QTest::keyClick(search->input(), 'r'); }));
  const double broadest = searchKeys.back();  // a two-letter word over every year
  std::sort(searchKeys.begin(), searchKeys.end());
  std::printf("search_keystrokes %zu\nsearch_rows %d\nsearch_median_ms %.2f\nsearch_max_ms %.2f\nsearch_broadest_ms %.2f\n",
              searchKeys.size(), search->model()->rowCount(), searchKeys[searchKeys.size() / 2], searchKeys.back(),
              broadest);
  search->close();

  // The year comparison of the two newest years, then its window's filter
  // switched on and off by the user.
  std::vector<std::string> years = form.Data.yearsLastFirst();
  std::sort(years.begin(), years.end());
  if (years.size() >= 2) {
    const auto compareStart = Clock::now();
    const auto compared = catalog::compareYears(form.Data, years[years.size() - 2], years.back());
    std::printf("compare_ms %.2f\ncompare_rows %zu\n", millisecondsSince(compareStart), compared.size());
    // The command as a controller runs it, its rows printed to nowhere.
    std::fflush(stdout);
    const int figures = ::dup(STDOUT_FILENO);
    const int nowhere = ::open("/dev/null", O_WRONLY);
    ::dup2(nowhere, STDOUT_FILENO);
    const auto commandStart = Clock::now();
    app::runCompare(QString::fromStdString(years[years.size() - 2]), QString::fromStdString(years.back()), {}, {});
    std::fflush(stdout);
    const double command = millisecondsSince(commandStart);
    ::dup2(figures, STDOUT_FILENO);
    ::close(nowhere);
    ::close(figures);
    std::printf("compare_command_ms %.1f\n", command);
    app::ComparisonWindow* comparison = form.showComparisonWindow();
    double slowest = 0;
    QApplication::processEvents();  // its first paint is the opening's, not the filter's
    for (int i = 0; i < 4; ++i)
      slowest = std::max(slowest, timedEvent([&] { comparison->changesOnly()->click(); }));
    std::printf("compare_filter_ms %.2f\n", slowest);
    comparison->close();
  }

  PaintClock paints;
  QApplication::instance()->installEventFilter(&paints);
  const auto rebuildStart = Clock::now();
  form.runUserEvent([&form] { form.Button1Click(&form); });
  paints.paints.push_back(Clock::now());
  const double rebuild = millisecondsSince(rebuildStart);
  QApplication::instance()->removeEventFilter(&paints);
  double gap = 0;
  auto previous = rebuildStart;
  for (const auto& paint : paints.paints) {
    gap = std::max(gap, std::chrono::duration<double, std::milli>(paint - previous).count());
    previous = paint;
  }
  const double firstOpsAfterRebuild = typeCode(form, someAssignedCode(form, form.ComboBox1->item(0)), events);

  std::vector<double> repaints;
  for (int i = 0; i < 50; ++i) repaints.push_back(timedEvent([&form] { form.update(); }));
  std::sort(repaints.begin(), repaints.end());
  std::printf("repaint_median_ms %.3f\n", repaints[repaints.size() / 2]);
  std::sort(events.begin(), events.end());
  std::printf("input_MB %.1f\nbaseline_ms %.1f\nstartup_ms %.1f\npeak_above_empty_MiB %.1f\n",
              static_cast<double>(inputBytes) / 1e6, baseline, startup, peakAbove);
  std::printf("events %zu\nevent_median_ms %.3f\nevent_max_ms %.2f\nfirst_ops_ms %.2f\nfirst_ops_after_rebuild_ms %.2f\n",
              events.size(), events[events.size() / 2], events.back(), firstOps, firstOpsAfterRebuild);
  std::printf("rebuild_ms %.0f\nlongest_paint_gap_ms %.0f\nassignments %d\npeak_MiB %.0f\n", rebuild, gap,
              form.Data.assignmentTable().AssignmentKeys.count(), bench::peakMemoryMiB());
  return 0;
}

// The empty window's peak, above which a shape's memory is measured.
double emptyWindowPeakMiB() {
  const fs::path empty = fs::temp_directory_path() / "tarvelo-figures-empty";
  fs::create_directories(empty);
  for (const char* name : {"ZE-Katalog.csv", "Fu\xC3\x9Fnoten.txt", "OPS-Kodes.csv", "OPS-Zuordnung.csv"})
    std::ofstream(empty / name, std::ios::trunc);
  fs::current_path(empty);
  {
    TForm1 emptyForm;
    waitUntilPainted(emptyForm);
  }
  return bench::peakMemoryMiB();
}

fs::path shapeFolder(const std::string& kind, std::size_t size) {
  const fs::path folder = fs::temp_directory_path() / ("tarvelo-figures-" + kind + "-" + std::to_string(size));
  if (fs::exists(folder / "OPS-Zuordnung.csv")) return folder;
  fs::create_directories(folder);
  if (kind == "identical") bench::writeIdenticalLines(folder.string(), size);
  if (kind == "long") bench::writeLongLine(folder.string(), size);
  if (kind == "short") bench::writeShortLines(folder.string(), size);
  if (kind == "zes") bench::writeZesOfOneGroup(folder.string(), size);
  return folder;
}

// A shape's start-up against the catalog's own load, its peak above an
// empty window against its bytes, and a rebuild with the window shown.
int shape(const std::string& kind, std::size_t size) {
  app::setCurrentYearForTesting("2026");
  app::setErrorMessageHook([](const QString&, const QString& text) {
    std::fprintf(stderr, "error: %s\n", text.toUtf8().constData());
  });
  TForm1::confirmLargeDrop = [](QWidget*, const QString&) { return true; };
  const fs::path folder = shapeFolder(kind, size);
  bench::resetPeakMemory();  // writing the shape is not the window's
  const double emptyPeak = emptyWindowPeakMiB();
  fs::current_path(folder);
  std::size_t inputBytes = 0;
  for (const auto& entry : fs::directory_iterator(folder)) inputBytes += entry.file_size();
  const auto start = Clock::now();
  TForm1 form;
  waitUntilPainted(form);
  const double startup = millisecondsSince(start);
  // The first group picked again, as a user would from its list: the ZE
  // box filled anew and shown.
  const double pick = timedEvent([&form] { emit form.ComboBox2->widget()->activated(0); });
  const double peakAbove = bench::peakMemoryMiB() - emptyPeak;
  const auto rebuildStart = Clock::now();
  form.runUserEvent([&form] { form.Button1Click(&form); });
  QApplication::processEvents();
  const double rebuild = millisecondsSince(rebuildStart);
  std::printf("pick_ms %.0f\n", pick);
  double load = 1e18;
  {
    const auto loadStart = Clock::now();
    catalog::Catalog catalog;
    catalog.load();
    load = millisecondsSince(loadStart);
  }
  std::printf("input_MB %.1f\ncatalog_load_ms %.0f\nstartup_ms %.0f\npeak_above_empty_MiB %.0f\nrebuild_ms %.0f\n"
              "peak_MiB %.0f\n",
              static_cast<double>(inputBytes) / 1e6, load, startup, peakAbove, rebuild, bench::peakMemoryMiB());
  return 0;
}

// Loading the folder as the window and the lookup load it, in a process of
// its own: the baseline of the command line's rebuild.
int load(const fs::path& folder) {
  fs::current_path(folder);
  const double before = bench::peakMemoryMiB();
  const auto start = Clock::now();
  catalog::Catalog catalog;
  catalog.load();
  std::printf("load_ms %.0f\nload_peak_above_start_MiB %.0f\n", millisecondsSince(start), bench::peakMemoryMiB() - before);
  return 0;
}

// The command line's rebuild in a process of its own: its time and peak.
int commandRebuild(const fs::path& folder) {
  app::setCurrentYearForTesting("2026");
  fs::current_path(folder);
  const double before = bench::peakMemoryMiB();
  std::fflush(stdout);
  const int figures = ::dup(STDOUT_FILENO);
  const int nowhere = ::open("/dev/null", O_WRONLY);
  ::dup2(nowhere, STDOUT_FILENO);
  const auto start = Clock::now();
  app::runRebuild(true);
  std::fflush(stdout);
  const double took = millisecondsSince(start);
  ::dup2(figures, STDOUT_FILENO);
  std::printf("command_rebuild_ms %.0f\ncommand_rebuild_peak_above_start_MiB %.0f\n", took,
              bench::peakMemoryMiB() - before);
  return 0;
}

// The command line's check in a process of its own: its time and peak.
int check(const fs::path& folder) {
  app::setCurrentYearForTesting("2026");
  fs::current_path(folder);
  // The findings go nowhere; the figures go to the parent.
  std::fflush(stdout);
  const int figures = ::dup(STDOUT_FILENO);
  const int nowhere = ::open("/dev/null", O_WRONLY);
  ::dup2(nowhere, STDOUT_FILENO);
  const auto start = Clock::now();
  app::runCheck();
  std::fflush(stdout);
  const double took = millisecondsSince(start);
  ::dup2(figures, STDOUT_FILENO);
  std::printf("check_ms %.0f\ncheck_peak_MiB %.0f\n", took, bench::peakMemoryMiB());
  return 0;
}

// The 2012 annexes into an empty folder, as "Anlagen importieren" does it:
// read the four files, work out and write the year, load it, rebuild the
// assignment file and load again.
int importAnnexes() {
  app::setErrorMessageHook([](const QString&, const QString& text) {
    // The empty folder's first load is expected to fail.
    if (!text.contains(QStringLiteral("nicht gefunden"))) std::fprintf(stderr, "error: %s\n", text.toUtf8().constData());
  });
  const QTemporaryDir folder;
  fs::current_path(folder.path().toStdString());
  const std::string annexes = TARVELO_ANNEX_DIR;
  const auto start = Clock::now();
  const annex::ReadAnnexes read = annex::readAnnexes(
      {annexes + "/Anlage2.csv", annexes + "/Anlage4.csv", annexes + "/Anlage5.pdf", annexes + "/Anlage6.pdf"});
  const double reading = millisecondsSince(start);
  const annex::ImportPlan plan = annex::planImport(read.annexes, "2012");
  TForm1 form;
  form.importAnnexYear(plan);
  const double total = millisecondsSince(start);
  std::printf("import_read_ms %.0f\nimport_ms %.0f\nimport_catalog_lines %zu\n", reading, total,
              plan.added[0]);
  return 0;
}

std::map<std::string, double> runChild(const QStringList& arguments) {
  QProcess child;
  child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  child.start(QCoreApplication::applicationFilePath(), arguments);
  child.waitForFinished(-1);
  std::map<std::string, double> values;
  for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
    const QList<QByteArray> parts = line.split(' ');
    if (parts.size() == 2) values[parts[0].toStdString()] = parts[1].toDouble();
  }
  return values;
}

int importTable(double fiveYearStartup) {
  const auto r = runChild({QStringLiteral("--import-child")});
  if (r.empty()) return 1;
  std::printf("\n| Import of the 2012 annexes into an empty folder | | Goal |\n|---|---|---|\n");
  std::printf("| catalog lines written | %.0f | |\n", r.at("import_catalog_lines"));
  std::printf("| reading the four annexes (ms) | %.0f | |\n", r.at("import_read_ms"));
  std::printf("| the whole import with the rebuild and reloads (ms) | %.0f | <= 2000 |\n", r.at("import_ms"));
  if (fiveYearStartup > 0)
    std::printf("| import / three start-ups of the 5-year catalog | %.2f | |\n", r.at("import_ms") / (3 * fiveYearStartup));
  return 0;
}

// The extreme shapes: each start-up against the catalog's load, its peak
// against its bytes, its rebuild against its start-up, and the command
// line's check against both.
int shapeTable() {
  std::printf("\n| Shape | input (MB) | catalog load (ms) | start-up (ms) | start-up / load | peak above empty "
              "(MiB) | peak / input | rebuild (ms) | rebuild / start-up | --check (ms) | check / (start-up + rebuild) | "
              "check peak / window peak | group picked again (ms) |\n|---|---|---|---|---|---|---|---|---|---|---|---|---|\n");
  struct Shape {
    const char* name;
    const char* kind;
    std::size_t size;
  };
  for (const Shape& shape : {Shape{"1 M lines of one group", "identical", 1000000},
                             Shape{"2 M lines of one group", "identical", 2000000},
                             Shape{"4 M lines of one group", "identical", 4000000},
                             Shape{"10 M lines of one group", "identical", 10000000},
                             Shape{"1 M ZEs in one group", "zes", 1000000},
                             Shape{"10 M ZEs in one group", "zes", 10000000},
                             Shape{"one line of 50 MB", "long", 50000000},
                             Shape{"2 M short lines, 1,000 groups", "short", 2000000}}) {
    std::fprintf(stderr, "measuring %s\n", shape.name);
    const auto r = runChild({QStringLiteral("--shape"), QString::fromLatin1(shape.kind), QString::number(shape.size)});
    if (r.empty()) continue;
    const fs::path folder = fs::temp_directory_path() / (std::string("tarvelo-figures-") + shape.kind + "-" +
                                                         std::to_string(shape.size));
    // The check of the folder as it was before the window's rebuild: the
    // rebuild wrote the same file, so the check finds it current.
    const auto c = runChild({QStringLiteral("--check"), QString::fromStdString(folder.string())});
    const double input = r.at("input_MB"), startup = r.at("startup_ms"), rebuild = r.at("rebuild_ms");
    std::printf("| %s | %.0f | %.0f | %.0f | %.2f | %.0f | %.2f | %.0f | %.2f | %.0f | %.2f | %.2f | %.0f |\n",
                shape.name, input, r.at("catalog_load_ms"), startup, startup / r.at("catalog_load_ms"),
                r.at("peak_above_empty_MiB"), r.at("peak_above_empty_MiB") * 1048576.0 / (input * 1e6), rebuild,
                rebuild / startup, c.at("check_ms"), c.at("check_ms") / (startup + rebuild),
                c.at("check_peak_MiB") / r.at("peak_MiB"), r.at("pick_ms"));
  }
  return 0;
}

int report(const fs::path& workdir) {
  struct Size {
    std::string label, folder;
    int years;
    int maxCodesPerZe;
  };
  const std::vector<Size> sizes = {{"5 years", "years-5", 5, 8},
                                   {"10 years", "years-10", 10, 8},
                                   {"20 years", "years-20", 20, 8},
                                   {"40 years", "years-40", 40, 8},
                                   {"20 years, long OPS lists", "years-20-long-lists", 20, 116}};
  std::vector<std::map<std::string, double>> results;
  for (const Size& size : sizes) {
    const fs::path folder = workdir / size.folder;
    if (!fs::exists(folder / "OPS-Kodes.csv")) {
      fs::create_directories(folder);
      bench::CatalogShape shape;
      shape.years = size.years;
      shape.maxCodesPerZe = size.maxCodesPerZe;
      // The newest year is the current one, where the window opens.
      shape.firstYear = std::stoi(app::currentYearText()) - size.years + 1;
      bench::writeCatalog(folder.string(), shape);
      fs::current_path(folder);
      TForm1 form;  // the assignment file, as the rebuild writes it
      form.Button1Click(&form);
    }
    std::fprintf(stderr, "measuring %s\n", size.label.c_str());
    results.push_back(runChild({QStringLiteral("--measure"), QString::fromStdString(folder.string())}));
    results.back().merge(runChild({QStringLiteral("--check"), QString::fromStdString(folder.string())}));
    results.back().merge(runChild({QStringLiteral("--load"), QString::fromStdString(folder.string())}));
    results.back().merge(runChild({QStringLiteral("--command-rebuild"), QString::fromStdString(folder.string())}));
  }
  const auto row = [&](const char* name, const char* goal, auto value) {
    std::printf("| %s |", name);
    for (const auto& r : results) std::printf(" %s |", value(r).c_str());
    std::printf(" %s |\n", goal);
  };
  const auto number = [](const char* key, const char* format) {
    return [key, format](const std::map<std::string, double>& r) {
      char text[32];
      std::snprintf(text, sizeof text, format, r.at(key));
      return std::string(text);
    };
  };
  const auto ratio = [](const char* a, const char* b, double scale) {
    return [a, b, scale](const std::map<std::string, double>& r) {
      char text[32];
      std::snprintf(text, sizeof text, "%.2f", r.at(a) / (r.at(b) * scale));
      return std::string(text);
    };
  };
  std::printf("| Figure |");
  for (const Size& size : sizes) std::printf(" %s |", size.label.c_str());
  std::printf(" Goal |\n|---|");
  for (std::size_t i = 0; i <= sizes.size(); ++i) std::printf("---|");
  std::printf("\n");
  row("input (MB)", "", number("input_MB", "%.0f"));
  row("baseline: read and cut into lines (ms)", "", number("baseline_ms", "%.0f"));
  row("start-up to the first painted window (ms)", "", number("startup_ms", "%.0f"));
  row("of which an empty window (ms)", "", number("empty_window_ms", "%.0f"));
  row("start-up / baseline", "<= 3", ratio("startup_ms", "baseline_ms", 1));
  row("peak memory above an empty window (MiB)", "", number("peak_above_empty_MiB", "%.0f"));
  row("peak memory / input bytes", "<= 1.5", ratio("peak_above_empty_MiB", "input_MB", 1e6 / 1048576.0));
  row("assignment lines", "", number("assignments", "%.0f"));
  row("user events measured", "", number("events", "%.0f"));
  row("event median (ms)", "<= 1", number("event_median_ms", "%.2f"));
  row("event maximum (ms)", "<= 16", number("event_max_ms", "%.1f"));
  row("first OPS keystroke after start-up (ms)", "<= 16", number("first_ops_ms", "%.1f"));
  row("first OPS keystroke after the rebuild (ms)", "<= 16", number("first_ops_after_rebuild_ms", "%.1f"));
  row("rebuild with reload, window shown (ms)", "<= 1000", number("rebuild_ms", "%.0f"));
  row("longest gap between paints (ms)", "<= 100", number("longest_paint_gap_ms", "%.0f"));
  row("search window keystroke with its table, median (ms)", "", number("search_median_ms", "%.1f"));
  row("search window keystroke, slowest (ms)", "<= 16", number("search_max_ms", "%.1f"));
  row("rows of the broadest search (\"er\", all years)", "", number("search_rows", "%.0f"));
  row("year comparison of the two newest years (ms)", "<= 100", number("compare_ms", "%.1f"));
  row("its rows", "", number("compare_rows", "%.0f"));
  row("--compare of the two newest years, with reading (ms)", "<= 100", number("compare_command_ms", "%.0f"));
  row("its window: \"nur \u00C4nderungen\" switched, slowest (ms)", "<= 16", number("compare_filter_ms", "%.1f"));
  row("loading the folder, no window (ms)", "", number("load_ms", "%.0f"));
  row("--rebuild from the command line (ms)", "", number("command_rebuild_ms", "%.0f"));
  row("--rebuild / loading the folder: time", "<= 1.5", ratio("command_rebuild_ms", "load_ms", 1));
  row("--rebuild / loading the folder: peak memory", "<= 1.5",
      ratio("command_rebuild_peak_above_start_MiB", "load_peak_above_start_MiB", 1));
  row("--check of the folder (ms)", "", number("check_ms", "%.0f"));
  row("--check / (start-up + rebuild)", "<= 2", [](const std::map<std::string, double>& r) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", r.at("check_ms") / (r.at("startup_ms") + r.at("rebuild_ms")));
    return std::string(text);
  });
  row("--check peak / the window's peak", "<= 2", ratio("check_peak_MiB", "peak_MiB", 1));
  row("pasted query of 32 KB, with its table (ms)", "<= 100", number("paste_32k_ms", "%.1f"));
  row("its rows", "", number("paste_32k_rows", "%.0f"));
  row("peak memory after it / before", "<= 2", number("paste_32k_peak_ratio", "%.2f"));
  importTable(results.front().at("startup_ms"));
  return shapeTable();
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  // Every run measures the windows as first shown, whatever sizes the
  // user's own settings remember.
  const QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  QApplication::setApplicationDisplayName(QStringLiteral("Tarvelo"));
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  if (arguments.size() == 2 && arguments[0] == "--measure") return measure(arguments[1]);
  if (arguments.size() == 1 && arguments[0] == "--shapes") return shapeTable();
  if (arguments.size() == 3 && arguments[0] == "--shape") return shape(arguments[1], std::stoul(arguments[2]));
  if (arguments.size() == 2 && arguments[0] == "--check") return check(arguments[1]);
  if (arguments.size() == 2 && arguments[0] == "--load") return load(arguments[1]);
  if (arguments.size() == 2 && arguments[0] == "--command-rebuild") return commandRebuild(arguments[1]);
  if (arguments.size() == 1 && arguments[0] == "--import-child") return importAnnexes();
  if (arguments.size() == 1 && arguments[0] == "--import") return importTable(0);
  return report(arguments.empty() ? fs::temp_directory_path() / "tarvelo-figures" : fs::path(arguments[0]));
}
