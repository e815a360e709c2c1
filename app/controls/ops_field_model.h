#pragma once
// The OPS field's content and caret, without any widget: the layout
// digit "-" digit digit letter-or-digit "." any any, eight positions long.
// Every user action is one method; an action calls the change callback once
// for every edit that changes what the field shows, after the change.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

class OpsFieldModel {
 public:
  static constexpr int kLength = 8;
  static constexpr char kEmptyMark = '_';
  static constexpr char kEmptyText[] = " -   .  ";

  // A typed or pasted character: its Windows-1252 byte, or nothing when the
  // code page cannot hold it (such a character is accepted nowhere).
  using Char = std::optional<unsigned char>;

  OpsFieldModel();

  void onChange(std::function<void()> callback) { changed_ = std::move(callback); }

  // What the user sees: "_" on every empty position.
  const std::string& shownForm() const { return shown_; }
  // What the program reads: a blank on every empty position.
  std::string text() const;
  // Set by code: the positions take the text's characters (blanks leave them
  // empty), the caret goes to position 1, the field remembers the new content
  // for Escape. Notifies when the shown form changes.
  void setText(std::string_view text);

  // The selection as [start, end) over 0..8; with no extended selection the
  // caret's one position is selected, and behind the last position nothing.
  int selectionStart() const { return start_; }
  int selectionEnd() const { return end_; }
  int caret() const { return start_; }
  bool edited() const { return edited_; }

  // False when the field rejects the character, which calls for a beep.
  bool type(Char c);
  void backspace();
  void deleteKey();
  void left(bool extend);
  void right(bool extend);
  void home(bool extend);
  void end(bool extend);
  void selectAll();
  void escape();
  void focusByKeyboard();
  void focusByMouse();
  void clickAt(int position);
  // Any action other than typing (a key, a click, a focus change) ends the
  // confirmation of a skipped separator; the methods above call it themselves.
  void otherAction() { skippedSeparator_ = '\0'; }
  // Copy returns the shown form of the selection; cut also empties it.
  std::string copy() const;
  std::string cut();
  void paste(const std::vector<Char>& text);

 private:
  static bool isSeparator(int position);
  static bool accepts(int position, Char c);
  static int nextInput(int position);      // first input position at or after
  static int previousInput(int position);  // last input position before, or -1

  bool hasWideSelection() const { return end_ - start_ > 1; }
  void placeCaret(int position);
  // Empties every input position of the selection; the caret goes to the
  // first input position at or after its start. Notifies on change.
  void emptySelection();
  // Applies a new shown form as one user edit.
  void commitEdit(const std::string& before);

  std::string shown_;
  std::string restore_;
  int start_ = 0;
  int end_ = 1;
  bool edited_ = false;
  // The separator the last typed character moved the caret over, while the
  // next typed character may confirm it.
  char skippedSeparator_ = '\0';
  std::function<void()> changed_;
};

}  // namespace app
