#pragma once
// Running the program as a shell would, without any display, and what it
// left: exit status, standard output and standard error.

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace testing_support {

inline std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

// Runs the program with arguments in folder; its output goes to files there.
inline Outcome runProgram(const std::filesystem::path& folder, const std::string& arguments) {
  const std::filesystem::path out = folder / "out", err = folder / "err";
  const std::string command = "cd '" + folder.string() + "' && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" +
                              TARVELO_BINARY + "' " + arguments + " >'" + out.string() + "' 2>'" + err.string() + "'";
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(out), readFile(err)};
}

}  // namespace testing_support
