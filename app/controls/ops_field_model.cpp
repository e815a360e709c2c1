#include "app/controls/ops_field_model.h"

#include <algorithm>
#include <utility>

#include "catalog/cp1252.h"

namespace app {
namespace {

constexpr char kEmptyShown[] = "_-___.__";

char separatorAt(int position) { return position == 1 ? '-' : '.'; }

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

bool OpsFieldModel::isSeparator(int position) { return position == 1 || position == 5; }

bool OpsFieldModel::accepts(int position, Char c) {
  if (!c || *c < 0x20 || *c == 0x7F) return false;
  switch (position) {
    case 0: case 2: case 3:
      return catalog::cp1252::isDigit(*c);
    case 4:
      return catalog::cp1252::isDigit(*c) || catalog::cp1252::isLetter(*c);
    case 6: case 7:
      return true;
    default:
      return false;
  }
}

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
  if (changed_) changed_();
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

void OpsFieldModel::clickAt(int position) {
  otherAction(); placeCaret(position); }

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

void OpsFieldModel::paste(const std::vector<Char>& text) {
  otherAction();
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
