// Four fuzzed files in a temporary folder, loaded into the window offscreen;
// then the cascade, a few OPS searches and a rebuild. Errors may be shown;
// nothing may crash. The input holds the four files separated by kSeparator.
#include <QApplication>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "app/clock.h"
#include "app/error_display.h"
#include "app/tform1.h"
#include "catalog/tables.h"

namespace {

constexpr std::string_view kSeparator = "\n#FILE#\n";

void write(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication application(*argc, *argv);
  app::setErrorMessageHook([](const QString&, const QString&) {});
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
  TForm1 form;
  form.runUserEvent([&form] {
    for (int y = 0; y < form.ComboBox1->count() && y < 3; ++y) {
      form.ComboBox1->select(y);
      form.ZE_Gruppe_holen(form.ComboBox1->widget());
    }
  });
  for (const char* code : {"1-100.0 ", "8-854.2 ", "5-38a.7b", "1-  .  "})
    form.runUserEvent([&form, code] { form.MaskEdit1->setOpsText(code); });
  form.runUserEvent([&form] { form.Button1Click(&form); });
  return 0;
}
