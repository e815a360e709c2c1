#include "catalog/file_reading.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "catalog/errors.h"
#include "catalog/file_names.h"

namespace catalog {
namespace {

// Closes the descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }

 private:
  int fd_;
};

int openForReading(const std::string& path) {
  int fd;
  // O_NONBLOCK: opening a FIFO without a writer must not wait for one.
  do fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  while (fd < 0 && errno == EINTR);
  return fd;
}

// The size of a regular file within the limit; refuses anything else.
std::size_t regularFileSize(std::string_view displayName, int fd) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) throw cannotOpen(displayName, errno);
  if (!S_ISREG(info.st_mode)) throw notARegularFile(displayName);
  if (static_cast<unsigned long long>(info.st_size) > kMaxFileBytes) throw tooLarge(displayName);
  return static_cast<std::size_t>(info.st_size);
}

// A catalog file's text ends at its first NUL byte (a file cut off by a
// crash, or filled with zeros on an odd file system): reading it stops with
// the piece that holds it.
FileText readRegularFile(std::string_view displayName, int fd, const std::function<void()>& progress, ReadUpTo upTo) {
  const std::size_t fileSize = regularFileSize(displayName, fd);
  FileText content(fileSize);
  std::size_t filled = 0;
  for (;;) {
    if (filled == content.size()) {
      // The size the file had when it was opened is read; a file that grows
      // while it is read is read on, up to the limit.
      char probe[4096];
      const ssize_t more = ::read(fd, probe, sizeof probe);
      if (more < 0 && errno == EINTR) continue;
      if (more < 0) throw cannotRead(displayName, errno);
      if (more == 0) break;
      if (content.size() + static_cast<std::size_t>(more) > kMaxFileBytes) throw tooLarge(displayName);
      FileText larger(std::min(kMaxFileBytes, std::max<std::size_t>((filled + static_cast<std::size_t>(more)) * 2, 4096)));
      std::copy_n(content.data(), filled, larger.data());
      std::copy_n(probe, static_cast<std::size_t>(more), larger.data() + filled);
      filled += static_cast<std::size_t>(more);
      content = std::move(larger);
      continue;
    }
    // Small enough that a slow disk still lets the window paint between two.
    constexpr std::size_t kChunk = std::size_t{4} << 20;
    const ssize_t n = ::read(fd, content.data() + filled, std::min(kChunk, content.size() - filled));
    if (progress) progress();
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw cannotRead(displayName, errno);
    if (n == 0) break;
    const char* piece = content.data() + filled;
    filled += static_cast<std::size_t>(n);
    if (upTo == ReadUpTo::End) continue;
    if (const void* nul = std::memchr(piece, '\0', static_cast<std::size_t>(n))) {
      content.shrink(static_cast<std::size_t>(static_cast<const char*>(nul) - content.data()) + 1);
      content.setFileSize(fileSize);
      return content;
    }
  }
  content.shrink(filled);
  return content;
}

// Opens the first of paths that exists and hands it to use.
template <typename Use>
auto withFirstFile(std::string_view displayName, const std::vector<std::string>& paths, Use use) {
  for (const std::string& path : paths) {
    const Descriptor file(openForReading(path));
    if (file.get() < 0) {
      if (errno == ENOENT || errno == ENOTDIR) continue;
      throw cannotOpen(displayName, errno);
    }
    return use(file.get());
  }
  throw cannotOpen(displayName, ENOENT);
}

}  // namespace

FileText readWholeFile(std::string_view displayName, const std::vector<std::string>& paths,
                       const std::function<void()>& progress, ReadUpTo upTo) {
  return withFirstFile(displayName, paths, [&](int fd) { return readRegularFile(displayName, fd, progress, upTo); });
}

void ensureReadable(std::string_view displayName, const std::vector<std::string>& paths) {
  withFirstFile(displayName, paths, [&](int fd) {
    regularFileSize(displayName, fd);
    char first = 0;
    ssize_t read;
    do read = ::read(fd, &first, 1);
    while (read < 0 && errno == EINTR);
    if (read < 0) throw cannotRead(displayName, errno);
  });
}

FileText textOfAssignmentFile() {
  try {
    return readWholeFile(kAssignmentFile, {kAssignmentFile}, {}, ReadUpTo::FirstNul);
  } catch (const Error&) {
    return {};
  }
}

}  // namespace catalog
