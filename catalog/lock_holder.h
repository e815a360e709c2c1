#pragma once
// Who holds an advisory lock, as far as this machine can tell: the kernel's
// list of locks names the process, the process's folder under /proc its
// user. A holder on another machine of a shared folder stays unknown.

#include <optional>
#include <string>
#include <sys/types.h>

namespace catalog {

struct LockHolder {
  pid_t process;
  std::string user;  // Windows-1252; the number when it has no name
};

// The holder of the flock on the file that fd is open on, other than the
// process that asks when it holds none itself.
std::optional<LockHolder> lockHolderOf(int fd);

}  // namespace catalog
