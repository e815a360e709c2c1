#pragma once
// Test helpers shared by every suite: a temporary folder that is removed with
// everything in it, and a check that a call fails with an exact message.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace testing_support {

class TemporaryFolder {
 public:
  TemporaryFolder();
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  void write(const std::string& name, const std::string& bytes) const;
  std::string read(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

// A parameterised case's name, readable and the same in every build: its
// number and what tells it apart, letters and digits only.
std::string caseName(std::size_t index, std::string_view text);

// Whether call fails with an error (of catalog::Error or any std::exception)
// whose text is exactly message.
::testing::AssertionResult failsWith(const std::function<void()>& call, const std::string& message);

}  // namespace testing_support
