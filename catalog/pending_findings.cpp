#include "catalog/pending_findings.h"

#include <algorithm>

namespace catalog {

std::uint32_t PendingFindings::numberOf(Severity severity, const std::string& message) {
  const auto known = known_.find(message);
  if (known != known_.end() && messages_[known->second].severity == static_cast<std::uint8_t>(severity))
    return known->second;
  const auto number = static_cast<std::uint32_t>(messages_.size());
  messages_.emplace_back(severity, texts_.size(), message.size());
  texts_ += message;
  if (known == known_.end() && known_.size() < kKnownMessages) known_.emplace(message, number);
  return number;
}

void PendingFindings::add(int line, Severity severity, const std::string& message) {
  const std::uint32_t number = numberOf(severity, message);
  if (line <= 0) {
    wholeFile_.push_back({line, number});
    return;
  }
  if (line != line_) {
    closeLine();
    line_ = line;
    lineBegin_ = entries_.size();
  }
  entries_.push_back({line, number});
}

void PendingFindings::closeLine() {
  if (line_ < 0) return;
  // The entries end with the shown line's findings, maybe a run after
  // them, and this line's findings.
  const bool afterRun = lineBegin_ > 0 && lineBegin_ - 1 == shownEnd_ && (entries_[shownEnd_].message & kRepeat);
  const int next = afterRun ? entries_[shownEnd_].line + static_cast<int>(entries_[shownEnd_].message & ~kRepeat)
                            : shownLine_ + 1;
  const bool adjoins = afterRun || lineBegin_ == shownEnd_;
  const auto sameMessage = [](const Entry& a, const Entry& b) { return a.message == b.message; };
  const bool repeats = shownLine_ > 0 && adjoins && line_ == next &&
                       std::equal(entries_.begin() + static_cast<std::ptrdiff_t>(lineBegin_), entries_.end(),
                                  entries_.begin() + static_cast<std::ptrdiff_t>(shownBegin_),
                                  entries_.begin() + static_cast<std::ptrdiff_t>(shownEnd_), sameMessage);
  if (repeats) {
    entries_.resize(lineBegin_);
    if (afterRun) {
      ++entries_.back().message;
    } else {
      entries_.push_back({line_, kRepeat | 1u});
    }
  } else {
    shownLine_ = line_;
    shownBegin_ = lineBegin_;
    shownEnd_ = entries_.size();
  }
  line_ = -1;
}

bool PendingFindings::inLineOrder() const {
  int last = 0;
  for (const Entry& entry : entries_) {
    if (entry.line < last) return false;
    last = entry.message & kRepeat ? entry.line + static_cast<int>(entry.message & ~kRepeat) - 1 : entry.line;
  }
  return true;
}

// A line's findings and the run after it, if any, are one group: each
// finding once, reaching to the run's last line.
void PendingFindings::writeOut(const std::function<void(int line, int lastLine, std::uint32_t message)>& each) const {
  for (std::size_t i = 0; i < entries_.size();) {
    std::size_t end = i;
    while (end < entries_.size() && !(entries_[end].message & kRepeat) && entries_[end].line == entries_[i].line) ++end;
    int lastLine = entries_[i].line;
    std::size_t next = end;
    if (next < entries_.size() && (entries_[next].message & kRepeat)) {
      lastLine = entries_[next].line + static_cast<int>(entries_[next].message & ~kRepeat) - 1;
      ++next;
    }
    for (std::size_t j = i; j < end; ++j) each(entries_[i].line, lastLine, entries_[j].message);
    i = next;
  }
}

void PendingFindings::report(
    const std::function<void(int line, int lastLine, Severity severity, std::string_view message)>& reportOne) {
  closeLine();
  const std::string_view texts = texts_;
  const auto say = [&](int line, int lastLine, std::uint32_t number) {
    const Message& message = messages_[number];
    reportOne(line, lastLine, static_cast<Severity>(message.severity), texts.substr(message.begin, message.length));
  };
  for (const Entry& entry : wholeFile_) say(entry.line, entry.line, entry.message);
  if (inLineOrder()) {
    writeOut(say);
  } else {
    // Findings of several passes: each line's findings in the order found,
    // so runs are written out line by line. Line numbers are sorted, not
    // the findings; the index after the line keeps their order.
    std::vector<Entry> all;
    writeOut([&all](int line, int lastLine, std::uint32_t message) {
      for (int each = line; each <= lastLine; ++each) all.push_back({each, message});
    });
    std::vector<std::pair<int, std::uint32_t>> order(all.size());
    for (std::uint32_t i = 0; i < order.size(); ++i) order[i] = {all[i].line, i};
    std::sort(order.begin(), order.end());
    for (const auto& [line, i] : order) say(line, line, all[i].message);
  }
  *this = {};
}

}  // namespace catalog
