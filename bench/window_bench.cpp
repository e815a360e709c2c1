// How long the window's handlers take on a catalog of twenty years: start-up,
// the cascades a keystroke runs, an OPS search, and the whole rebuild.

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>

#include "app/error_display.h"
#include "app/tform1.h"
#include "bench/catalog_generator.h"
#include "bench/peak_memory.h"
#include "catalog/keys.h"
#include "catalog/ops_lookup.h"

namespace {

// A twenty-year catalog in a temporary folder, made current for the run.
class LargeCatalog {
 public:
  LargeCatalog() : folder_(std::filesystem::temp_directory_path() / "tarvelo-bench") {
    std::filesystem::create_directories(folder_);
    bench::writeCatalog(folder_.string(), {});
    std::filesystem::current_path(folder_);
    app::setErrorMessageHook([](const QString&, const QString& text) {
      std::fprintf(stderr, "error: %s\n", text.toUtf8().constData());
    });
    form = std::make_unique<TForm1>();
  }
  std::unique_ptr<TForm1> form;

 private:
  std::filesystem::path folder_;
};

std::unique_ptr<LargeCatalog> largeCatalog;

LargeCatalog& catalogFixture() {
  if (!largeCatalog) largeCatalog = std::make_unique<LargeCatalog>();
  return *largeCatalog;
}

void BM_Startup(benchmark::State& state) {
  TForm1& form = *catalogFixture().form;
  for (auto _ : state) form.Init(&form);
  state.counters["catalog_lines"] = form.Data.catalogTable().CatalogLines.count();
  state.counters["peak_MiB"] = bench::peakMemoryMiB();
}
BENCHMARK(BM_Startup)->Unit(benchmark::kMillisecond);

void BM_YearKeystroke(benchmark::State& state) {
  TForm1& form = *catalogFixture().form;
  form.Init(&form);
  int i = 0;
  for (auto _ : state) {
    form.ComboBox1->setText((i++ % 2) ? "2010" : "2020");
    form.ZE_Gruppe_holen(form.ComboBox1->widget());
  }
}
BENCHMARK(BM_YearKeystroke)->Unit(benchmark::kMicrosecond);

// The same as a user event: the cascade, then the widgets showing its result.
void BM_YearKeystrokeShown(benchmark::State& state) {
  TForm1& form = *catalogFixture().form;
  form.Init(&form);
  int i = 0;
  for (auto _ : state) {
    form.ComboBox1->setText((i++ % 2) ? "2010" : "2020");
    form.runUserEvent([&form] { form.ZE_Gruppe_holen(form.ComboBox1->widget()); });
  }
}
BENCHMARK(BM_YearKeystrokeShown)->Unit(benchmark::kMicrosecond);

void BM_GroupKeystroke(benchmark::State& state) {
  TForm1& form = *catalogFixture().form;
  form.Init(&form);
  form.ComboBox1->setText("2020");
  int i = 0;
  for (auto _ : state) {
    form.ComboBox2->setText((i++ % 2) ? "ZE7" : "ZE77");
    form.ZEs_holen(form.ComboBox2->widget());
  }
}
BENCHMARK(BM_GroupKeystroke)->Unit(benchmark::kMicrosecond);

void BM_OpsSearchHit(benchmark::State& state) {
  TForm1& form = *catalogFixture().form;
  form.Init(&form);
  form.Button1Click(&form);  // fills the assignment table
  // The last assignment of the current year's list: its code and its ZE.
  const std::string year = form.ComboBox1->item(0);
  form.ComboBox1->setText(year);
  std::string code, ze;
  for (int i = 0; i < form.Data.assignmentTable().AssignmentKeys.count(); ++i) {
    const std::string_view key = form.Data.assignmentTable().AssignmentKeys.get(i);
    if (key.find(";" + year + ";BE") == std::string_view::npos) continue;
    code = std::string(key.substr(0, key.find(';')));
    ze = std::string(catalog::splitTarget(form.Data.assignmentTable().AssignmentTargets.get(i)).ze);
    break;
  }
  // A hit selects the ZE and empties the field, so every iteration searches.
  for (auto _ : state) form.MaskEdit1->setOpsText(catalog::opsFieldText(code));
  if (form.ComboBox3->text() != ze) state.SkipWithError("the code was not found");
  state.counters["assignments"] = form.Data.assignmentTable().AssignmentKeys.count();
}
BENCHMARK(BM_OpsSearchHit)->Unit(benchmark::kMicrosecond);

void BM_Rebuild(benchmark::State& state) {
  TForm1& form = *catalogFixture().form;
  for (auto _ : state) form.Button1Click(&form);
  state.counters["assignments"] = form.Data.assignmentTable().AssignmentKeys.count();
}
BENCHMARK(BM_Rebuild)->Unit(benchmark::kMillisecond)->Iterations(3);

// The rebuild as a maintainer sees it: the window on screen, repainted as
// the walk goes.
void BM_RebuildShown(benchmark::State& state) {
  TForm1& form = *catalogFixture().form;
  form.show();
  for (auto _ : state) form.Button1Click(&form);
  form.hide();
  state.counters["peak_MiB"] = bench::peakMemoryMiB();
}
BENCHMARK(BM_RebuildShown)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  // Every run measures the windows as first shown, whatever sizes the
  // user's own settings remember.
  const QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  largeCatalog.reset();
  return 0;
}
