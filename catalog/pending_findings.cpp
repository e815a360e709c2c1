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

// Runs are written out as they are met: each repeats the group of findings
// of the line before it.
void PendingFindings::writeOut(const std::function<void(int line, std::uint32_t message)>& each) const {
  std::size_t groupBegin = 0, groupEnd = 0;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const Entry& entry = entries_[i];
    if (entry.message & kRepeat) {
      for (int k = 0; k < static_cast<int>(entry.message & ~kRepeat); ++k)
        for (std::size_t j = groupBegin; j < groupEnd; ++j) each(entry.line + k, entries_[j].message);
      continue;
    }
    if (i == 0 || (entries_[i - 1].message & kRepeat) || entries_[i - 1].line != entry.line) groupBegin = i;
    each(entry.line, entry.message);
    groupEnd = i + 1;
  }
}

void PendingFindings::report(const std::function<void(int, Severity, std::string_view)>& reportOne) {
  closeLine();
  const std::string_view texts = texts_;
  const auto say = [&](int line, std::uint32_t number) {
    const Message& message = messages_[number];
    reportOne(line, static_cast<Severity>(message.severity), texts.substr(message.begin, message.length));
  };
  for (const Entry& entry : wholeFile_) say(entry.line, entry.message);
  if (inLineOrder()) {
    writeOut(say);
  } else {
    // Line numbers are sorted, not the findings. The index after the line
    // keeps a line's findings in the order found.
    std::vector<Entry> all;
    writeOut([&all](int line, std::uint32_t message) { all.push_back({line, message}); });
    std::vector<std::pair<int, std::uint32_t>> order(all.size());
    for (std::uint32_t i = 0; i < order.size(); ++i) order[i] = {all[i].line, i};
    std::sort(order.begin(), order.end());
    for (const auto& [line, i] : order) say(line, all[i].message);
  }
  *this = {};
}

}  // namespace catalog
