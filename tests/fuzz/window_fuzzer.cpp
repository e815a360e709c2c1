// Four fuzzed files in a temporary folder, loaded into the window offscreen;
// then the cascade, a few OPS searches, the search window with codes and
// words, a rebuild, and the command line's check, lookup and rebuild on the
// same folder. Errors may be shown; nothing may crash. The input holds the
// four files separated by kSeparator, then, optionally, search queries one
// per line.
#include <QApplication>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QLineEdit>
#include <QTableView>

#include "app/clock.h"
#include "app/commands.h"
#include "app/error_display.h"
#include "app/search_window.h"
#include "app/text_codec.h"
#include "app/tform1.h"
#include "catalog/tables.h"

namespace {

constexpr std::string_view kSeparator = "\n#FILE#\n";

void write(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

void ignoreErrors() { app::setErrorMessageHook([](const QString&, const QString&) {}); }

// The search window as a coder uses it: each query in one year and in all
// years, the first rows selected, read as a paint would, copied and shown.
void search(TForm1& form, const std::vector<QString>& queries) {
  app::SearchWindow* window = form.showSearchWindow();
  for (const QString& query : queries) {
    for (bool allYears : {false, true}) {
      window->allYears()->setChecked(allYears);
      window->input()->setText(query);
      window->table()->selectRow(0);
      // What a paint of the first rows would read, without the pixmaps.
      QAbstractItemModel* rows = window->table()->model();
      for (int r = 0; r < std::min(rows->rowCount(), 20); ++r)
        for (int c = 0; c < rows->columnCount(); ++c)
          for (int role : {Qt::DisplayRole, Qt::ToolTipRole, Qt::FontRole}) rows->index(r, c).data(role);
      window->copySelectedRows();
      form.runUserEvent([window] { window->showCurrentRow(); });
    }
  }
}

// A few fixed queries, then the input's own, one per line.
std::vector<QString> queriesIn(std::string_view rest) {
  std::vector<QString> queries = {QStringLiteral("8-854.2"), QStringLiteral("1-10"), QStringLiteral("e")};
  while (!rest.empty() && queries.size() < 8) {
    const auto end = rest.find('\n');
    queries.push_back(app::toQString(rest.substr(0, end)));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }
  return queries;
}

// The commands as a script runs them on the folder the window shows.
void commandLine(const std::vector<QString>& queries) {
  app::runCheck();
  ignoreErrors();
  for (const QString& query : queries) app::runLookup({query}, app::LookupYear{true, std::nullopt});
  app::runRebuild(false);
  ignoreErrors();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication application(*argc, *argv);
  ignoreErrors();
  // The rebuild's question before it drops most lines: written, as a user
  // who answers yes would have it.
  TForm1::confirmLargeDrop = [](QWidget*, const QString&) { return true; };
  app::setCurrentYearForTesting("2031");
  static std::string folder = (std::filesystem::temp_directory_path() / "tarvelo-fuzz-XXXXXX").string();
  if (!::mkdtemp(folder.data())) std::abort();
  std::filesystem::current_path(folder);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  const char* names[] = {catalog::kCatalogFile, "Fu\xC3\x9Fnoten.txt", catalog::kOpsTextFile,
                         catalog::kAssignmentFile};
  for (const char* name : names) {
    const auto end = rest.find(kSeparator);
    write(name, rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + kSeparator.size());
  }
  const std::vector<QString> queries = queriesIn(rest);
  TForm1 form;
  form.runUserEvent([&form] {
    for (int y = 0; y < form.ComboBox1->count() && y < 3; ++y) {
      form.ComboBox1->select(y);
      form.ZE_Gruppe_holen(form.ComboBox1->widget());
    }
  });
  for (const char* code : {"1-100.0 ", "8-854.2 ", "5-38a.7b", "1-  .  "})
    form.runUserEvent([&form, code] { form.MaskEdit1->setOpsText(code); });
  search(form, queries);
  form.runUserEvent([&form] { form.Button1Click(&form); });
  commandLine(queries);
  return 0;
}
