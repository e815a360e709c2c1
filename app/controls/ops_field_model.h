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

#include "catalog/ops_code.h"

namespace app {

class OpsFieldModel {
 public:
  static constexpr int kLength = catalog::ops_code::kLength;
  static constexpr char kEmptyMark = '_';
  static constexpr const char* kEmptyText = catalog::ops_code::kEmptyFieldText;

  // A typed or pasted character: its Windows-1252 byte, or nothing when the
  // code page cannot hold it (such a character is accepted nowhere).
  using Char = std::optional<unsigned char>;

  OpsFieldModel();

  void onChange(std::function<void()> callback) { changed_ = std::move(callback); }

  // After a user edit ended in a hit (the field then empty), a character
  // typed next may lengthen the code that was found instead of starting a
  // new one. probe tells what the search finds for the longer code; show
  // shows a line that differs from the one found before.
  enum class Probe { Found, Open, Nothing };
  struct ProbeResult {
    Probe probe;
    int line;  // the line found, for Found
  };
  void onContinuation(std::function<ProbeResult(const std::string&)> probe,
                      std::function<void(const std::string&)> show) {
    probe_ = std::move(probe);
    show_ = std::move(show);
  }
  // The search found line for code; taken only while a user edit notifies
  // and the field is empty.
  void rememberHit(std::string code, int line);
  bool continuing() const { return continued_.has_value(); }
  // The found code, while some typed letter or digit would lengthen it
  // rather than start a new code.
  std::optional<std::string> codeTypingWouldLengthen() const;

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
  void otherAction() {
    skippedSeparator_ = '\0';
    continued_.reset();
  }
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
  // Lengthens the code found before by the typed character, when the
  // search still finds it or may find it; false ends the continuation.
  bool continueFoundCode(Char c);
  // The code with c typed after it, the field's separator skipped for it.
  static std::optional<std::string> lengthened(const std::string& code, unsigned char c);
  int lastFilledPosition() const;

  std::string shown_;
  std::string restore_;
  int start_ = 0;
  int end_ = 1;
  bool edited_ = false;
  // The separator the last typed character moved the caret over, while the
  // next typed character may confirm it.
  char skippedSeparator_ = '\0';
  std::function<void()> changed_;

  struct FoundCode {
    std::string code;
    int line;
  };
  std::optional<FoundCode> continued_;
  bool notifyingUserEdit_ = false;
  std::function<ProbeResult(const std::string&)> probe_;
  std::function<void(const std::string&)> show_;
};

}  // namespace app
