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
