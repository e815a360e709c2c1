#include "temporary_folder.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace testing_support {

TemporaryFolder::TemporaryFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tarvelo-test-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
  std::error_code ignored;
  // A test may have taken the permissions away.
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
  std::filesystem::remove_all(path_, ignored);
}

void TemporaryFolder::write(const std::string& name, const std::string& bytes) const {
  std::ofstream(path_ / name, std::ios::binary | std::ios::trunc) << bytes;
}

std::string TemporaryFolder::read(const std::string& name) const {
  std::ifstream in(path_ / name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string caseName(std::size_t index, std::string_view text) {
  std::string name = std::to_string(index);
  if (!text.empty()) name += '_';
  for (const char c : text.substr(0, 40)) {
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    name += plain ? c : '_';
  }
  return name;
}

::testing::AssertionResult failsWith(const std::function<void()>& call, const std::string& message) {
  try {
    call();
  } catch (const std::exception& error) {
    if (error.what() == message) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "failed with \"" << error.what() << "\"";
  }
  return ::testing::AssertionFailure() << "did not fail";
}

}  // namespace testing_support
