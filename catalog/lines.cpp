#include "catalog/lines.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

#include "catalog/errors.h"

namespace catalog {

std::vector<std::string> splitLines(std::string_view text) {
  if (auto nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::vector<std::string> loadLines(std::string_view displayName,
                                   const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    // A folder opens like a file but has no content to read.
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) continue;
    std::ifstream in(path, std::ios::binary);
    if (!in) continue;
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw cannotOpen(displayName);
    return splitLines(content);
  }
  throw cannotOpen(displayName);
}

std::vector<std::string> loadLines(const std::string& fileName) {
  return loadLines(fileName, {fileName});
}

namespace {

// Removes the temporary file unless it was renamed into place.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (!path_.empty()) ::unlink(path_.c_str());
  }
  const std::string& path() const { return path_; }
  void release() { path_.clear(); }

 private:
  std::string path_;
};

bool writeAll(int fd, const std::string& data) {
  std::size_t written = 0;
  while (written < data.size()) {
    const ssize_t n = ::write(fd, data.data() + written, data.size() - written);
    if (n < 0) return false;
    written += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

void saveLinesReplacing(const std::string& fileName, const std::vector<std::string>& lines) {
  std::string data;
  for (const std::string& line : lines) {
    data += line;
    data += "\r\n";
  }
  const auto slash = fileName.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string() : fileName.substr(0, slash + 1);
  std::string pattern = folder + ".tarvelo-XXXXXX";
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) throw cannotCreate(fileName);
  TemporaryFile temporary(pattern);
  const bool ok = writeAll(fd, data) && ::fsync(fd) == 0;
  if (::close(fd) != 0 || !ok) throw cannotCreate(fileName);
  // mkstemp creates the file readable by its owner only; give it the
  // permissions an ordinary new file would get.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::chmod(temporary.path().c_str(), 0666 & ~mask);
  if (std::rename(temporary.path().c_str(), fileName.c_str()) != 0) throw cannotCreate(fileName);
  temporary.release();
}

}  // namespace catalog
