#include "app/controls/ops_field_model.h"

#include <algorithm>
#include <utility>

#include "catalog/cp1252.h"

namespace app {
namespace {

constexpr char kEmptyShown[] = "_-___.__";

using catalog::ops_code::separatorAt;

bool isPasteBlank(const OpsFieldModel::Char& c) { return c && (*c == ' ' || *c == '\t' || *c == 0xA0 || *c == '\r' || *c == '\n'); }
bool isLineOrCellEnd(const OpsFieldModel::Char& c) { return c && (*c == '\t' || *c == '\r' || *c == '\n'); }

}  // namespace

OpsFieldModel::OpsFieldModel() : shown_(kEmptyShown), restore_(kEmptyShown) {}

std::string OpsFieldModel::text() const {
  std::string result = shown_;
  for (int i = 0; i < kLength; ++i) {
    if (!isSeparator(i) && result[static_cast<std::size_t>(i)] == kEmptyMark) result[static_cast<std::size_t>(i)] = ' ';
  }
  return result;
}

void OpsFieldModel::setText(std::string_view text) {
  otherAction();
  const std::string before = shown_;
  for (int i = 0; i < kLength; ++i) {
    if (isSeparator(i)) continue;
    const char c = i < static_cast<int>(text.size()) ? text[static_cast<std::size_t>(i)] : ' ';
    shown_[static_cast<std::size_t>(i)] = c == ' ' ? kEmptyMark : c;
  }
  placeCaret(0);
  restore_ = shown_;
  edited_ = false;
  if (shown_ != before && changed_) changed_();
}

bool OpsFieldModel::isSeparator(int position) { return catalog::ops_code::isSeparatorPosition(position); }

bool OpsFieldModel::accepts(int position, Char c) { return c && catalog::ops_code::accepts(position, *c); }

int OpsFieldModel::nextInput(int position) {
  while (position < kLength && isSeparator(position)) ++position;
  return std::min(position, kLength);
}

int OpsFieldModel::previousInput(int position) {
  for (int p = position - 1; p >= 0; --p) {
    if (!isSeparator(p)) return p;
  }
  return -1;
}

void OpsFieldModel::placeCaret(int position) {
  start_ = std::clamp(position, 0, kLength);
  end_ = std::min(start_ + 1, kLength);
}

void OpsFieldModel::commitEdit(const std::string& before) {
  if (shown_ == before) return;
  edited_ = true;
  if (!changed_) return;
  const bool outer = std::exchange(notifyingUserEdit_, true);
  changed_();
  notifyingUserEdit_ = outer;
}

void OpsFieldModel::rememberHit(std::string code, int line) {
  if (notifyingUserEdit_ && text() == kEmptyText) continued_ = FoundCode{std::move(code), line};
}

std::optional<std::string> OpsFieldModel::lengthened(const std::string& code, unsigned char c) {
  std::string longer = code;
  const int end = static_cast<int>(longer.size());
  // The field skips a separator for the user; so does the longer code.
  if (isSeparator(end) && c != static_cast<unsigned char>(separatorAt(end))) longer += separatorAt(end);
  longer += static_cast<char>(c);
  if (static_cast<int>(longer.size()) > kLength) return std::nullopt;
  return longer;
}

std::optional<std::string> OpsFieldModel::codeTypingWouldLengthen() const {
  if (!continued_ || !probe_) return std::nullopt;
  for (const char c : std::string_view("0123456789abcdefghijklmnopqrstuvwxyz")) {
    const auto longer = lengthened(continued_->code, static_cast<unsigned char>(c));
    if (longer && probe_(*longer).probe != Probe::Nothing) return continued_->code;
  }
  return std::nullopt;
}

bool OpsFieldModel::continueFoundCode(Char c) {
  FoundCode found = *std::exchange(continued_, std::nullopt);
  if (!c || !probe_) return false;
  const std::optional<std::string> lengthenedCode = lengthened(found.code, *c);
  if (!lengthenedCode) return false;
  std::string longer = *lengthenedCode;
  const ProbeResult result = probe_(longer);
  if (result.probe == Probe::Nothing) return false;
  const bool otherLine = result.probe == Probe::Found && result.line != found.line;
  found.code = std::move(longer);
  if (result.probe == Probe::Found) found.line = result.line;
  if (otherLine && show_) show_(found.code);
  continued_ = std::move(found);
  return true;
}

void OpsFieldModel::emptySelection() {
  const std::string before = shown_;
  const int from = start_;
  for (int i = start_; i < end_; ++i) {
    if (!isSeparator(i)) shown_[static_cast<std::size_t>(i)] = kEmptyMark;
  }
  placeCaret(nextInput(from));
  commitEdit(before);
}

bool OpsFieldModel::type(Char c) {
  if (continued_ && continueFoundCode(c)) return true;
  // A code typed as printed: the separator the caret has just skipped
  // confirms the skip and enters nothing.
  const char confirming = std::exchange(skippedSeparator_, '\0');
  if (confirming != '\0' && c && *c == static_cast<unsigned char>(confirming)) return true;
  if (hasWideSelection()) {
    const int from = start_;
    emptySelection();
    placeCaret(nextInput(from));
  }
  const int position = start_;
  if (position >= kLength) return true;
  if (isSeparator(position)) {
    placeCaret(nextInput(position));
    return true;
  }
  if (accepts(position, c)) {
    const std::string before = shown_;
    shown_[static_cast<std::size_t>(position)] = static_cast<char>(*c);
    placeCaret(nextInput(position + 1));
    if (isSeparator(position + 1)) skippedSeparator_ = separatorAt(position + 1);
    commitEdit(before);
    return true;
  }
  const int separator = position == 0 ? 1 : (position <= 4 ? 5 : -1);
  if (separator >= 0 && c && *c == static_cast<unsigned char>(separatorAt(separator))) {
    placeCaret(separator + 1);
    return true;
  }
  return false;
}

void OpsFieldModel::backspace() {
  otherAction();
  if (hasWideSelection()) {
    emptySelection();
    return;
  }
  const int target = previousInput(start_);
  if (target < 0) return;
  const std::string before = shown_;
  shown_[static_cast<std::size_t>(target)] = kEmptyMark;
  placeCaret(target);
  commitEdit(before);
}

void OpsFieldModel::deleteKey() {
  otherAction();
  if (hasWideSelection()) {
    emptySelection();
    return;
  }
  if (start_ >= kLength || isSeparator(start_)) return;
  const std::string before = shown_;
  shown_[static_cast<std::size_t>(start_)] = kEmptyMark;
  commitEdit(before);
}

void OpsFieldModel::left(bool extend) {
  otherAction();
  if (extend) {
    start_ = std::max(0, start_ - 1);
    return;
  }
  const int target = previousInput(start_);
  placeCaret(target < 0 ? 0 : target);
}

void OpsFieldModel::right(bool extend) {
  otherAction();
  if (extend) {
    end_ = std::min(kLength, end_ + 1);
    return;
  }
  placeCaret(start_ >= kLength ? kLength : nextInput(start_ + 1));
}

void OpsFieldModel::home(bool extend) {
  otherAction();
  if (extend) {
    start_ = 0;
    return;
  }
  placeCaret(0);
}

void OpsFieldModel::end(bool extend) {
  otherAction();
  if (extend) {
    end_ = kLength;
    return;
  }
  placeCaret(kLength);
}

void OpsFieldModel::selectAll() {
  otherAction();
  start_ = 0;
  end_ = kLength;
}

void OpsFieldModel::escape() {
  otherAction();
  if (!edited_) return;
  const std::string before = shown_;
  shown_ = restore_;
  edited_ = false;
  placeCaret(0);
  if (shown_ != before && changed_) changed_();
}

void OpsFieldModel::focusByKeyboard() {
  otherAction();
  restore_ = shown_;
  selectAll();
}

void OpsFieldModel::focusByMouse() {
  otherAction();
  restore_ = shown_;
}

int OpsFieldModel::lastFilledPosition() const {
  for (int p = kLength - 1; p >= 0; --p) {
    const char c = shown_[static_cast<std::size_t>(p)];
    if (!isSeparator(p) && c != kEmptyMark && c != ' ') return p;
  }
  return -1;
}

// A click behind the code goes where typing goes on, not into the middle
// of empty positions.
void OpsFieldModel::clickAt(int position) {
  otherAction();
  const int last = lastFilledPosition();
  placeCaret(position > last ? nextInput(last + 1) : position);
}

std::string OpsFieldModel::copy() const {
  return shown_.substr(static_cast<std::size_t>(start_), static_cast<std::size_t>(end_ - start_));
}

std::string OpsFieldModel::cut() {
  otherAction();
  std::string copied = copy();
  if (hasWideSelection()) {
    emptySelection();
  } else {
    deleteKey();
  }
  return copied;
}

void OpsFieldModel::paste(const std::vector<Char>& pasted) {
  otherAction();
  // A one-line field takes the first line (or cell) of what was copied,
  // without the blanks a copy from a document brings along.
  auto first = std::find_if_not(pasted.begin(), pasted.end(), isPasteBlank);
  auto last = std::find_if_not(pasted.rbegin(), std::make_reverse_iterator(first), isPasteBlank).base();
  const std::vector<Char> text(first, std::find_if(first, last, isLineOrCellEnd));
  if (hasWideSelection()) emptySelection();
  const std::string before = shown_;
  int position = start_;
  for (const Char& c : text) {
    if (position >= kLength) break;
    if (isSeparator(position)) {
      const bool isThatSeparator = c && *c == static_cast<unsigned char>(separatorAt(position));
      ++position;
      if (isThatSeparator) continue;
    }
    shown_[static_cast<std::size_t>(position)] = accepts(position, c) ? static_cast<char>(*c) : kEmptyMark;
    ++position;
  }
  placeCaret(position);
  commitEdit(before);
}

}  // namespace app
