#pragma once
// A file's findings from the moment they are found until they are reported:
// by line, those of one line in the order found, those of the whole file
// (line 0) first.
//
// A check of a file of millions of repeated lines finds the same few
// messages on every line, so they are kept small: a message's text is kept
// once (the first few thousand distinct ones are looked for), a finding is
// its line and its message's number (8 bytes), and a run of lines whose
// findings say what the line before said, in the same order, is one entry.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "catalog/check.h"

namespace catalog {

class PendingFindings {
 public:
  void add(int line, Severity severity, const std::string& message);
  // Every finding, in the order described above; then none are pending.
  // When the findings came in line order (one pass over the file), a run of
  // lines with the same findings is reported once per finding, from its
  // first line to lastLine; else, and for a single line, lastLine is line.
  void report(const std::function<void(int line, int lastLine, Severity severity, std::string_view message)>& reportOne);

 private:
  struct Message {
    Message(Severity severity, std::size_t begin, std::size_t length)
        : begin(begin), severity(static_cast<std::uint8_t>(severity)), length(static_cast<std::uint32_t>(length)) {}
    std::uint64_t begin : 56;
    std::uint64_t severity : 8;
    std::uint32_t length;  // a message is far shorter than 4 GB; all of them may not be
  };
  // A finding, or with kRepeat in message, a run of that many lines from
  // line on, each with the findings of the line before the run.
  struct Entry {
    int line;
    std::uint32_t message;
  };
  static constexpr std::uint32_t kRepeat = 0x80000000u;
  static constexpr std::size_t kKnownMessages = 4096;

  std::uint32_t numberOf(Severity severity, const std::string& message);
  // The current line's findings are complete: when they say what the line
  // before said, they become (part of) a run.
  void closeLine();
  // Whether the entries' lines never go back.
  bool inLineOrder() const;
  // Every finding in the order added, each with the last line of its run.
  void writeOut(const std::function<void(int line, int lastLine, std::uint32_t message)>& each) const;

  std::string texts_;
  std::vector<Message> messages_;
  std::unordered_map<std::string, std::uint32_t> known_;  // text -> its first message
  std::vector<Entry> wholeFile_;                          // line 0, in the order found
  std::vector<Entry> entries_;
  // The last line written out in entries_ and where its findings are; a
  // run after it repeats them.
  int shownLine_ = -1;
  std::size_t shownBegin_ = 0, shownEnd_ = 0;
  // The line being added to and where its findings begin.
  int line_ = -1;
  std::size_t lineBegin_ = 0;
};

}  // namespace catalog
